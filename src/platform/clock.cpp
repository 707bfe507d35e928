#include "platform/clock.h"

#include <ctime>

LocalDate TodayLocal() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {static_cast<std::int16_t>(local.tm_year + 1900),
            static_cast<std::int16_t>(local.tm_mon + 1), static_cast<std::int16_t>(local.tm_mday)};
}
