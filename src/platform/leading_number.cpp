#include "platform/leading_number.h"

#include <limits>

std::int16_t NumberFromLeadingDigits(std::string_view text) {
    constexpr std::int16_t DoesNotFit = std::numeric_limits<std::int16_t>::min();
    std::int32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int16_t>::max()) return DoesNotFit;
    }
    return static_cast<std::int16_t>(value);
}
