#pragma once
// A calendar date, and today's local date.

#include <compare>
#include <cstdint>

struct LocalDate {
    std::int16_t Year;
    std::int16_t Month;
    std::int16_t Day;
    auto operator<=>(const LocalDate&) const = default;  // by year, month, day
};

LocalDate TodayLocal();
