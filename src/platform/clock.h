#pragma once
// A calendar date, and today's local date. Tests can fix the clock to a date of their choice.

#include <compare>
#include <cstdint>
#include <optional>

struct LocalDate {
    std::int16_t Year;
    std::int16_t Month;
    std::int16_t Day;
    auto operator<=>(const LocalDate&) const = default;  // by year, month, day
};

LocalDate TodayLocal();

// A fixed date for TodayLocal until called again with no date.
void SetClockForTesting(std::optional<LocalDate> fixedDate);
