#pragma once
// Today's local date.

#include <cstdint>

struct LocalDate {
    std::int16_t Year;
    std::int16_t Month;
    std::int16_t Day;
    bool operator==(const LocalDate&) const = default;
};

LocalDate TodayLocal();
