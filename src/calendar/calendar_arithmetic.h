#pragma once
// Gregorian calendar arithmetic on signed 16-bit years, months and days, with divisions and
// remainders that truncate toward zero. Weekdays run 1 = Monday .. 7 = Sunday.

#include <array>
#include <cstdint>
#include <optional>

// Months run from 1 (January) to 12 (December).
struct MonthOfYear {
    std::int16_t Year;
    std::int16_t Month;
    bool operator==(const MonthOfYear&) const = default;
};

// The month before (step -1) or after (step +1): December is followed by the next January. None
// past the years 1..32767.
std::optional<MonthOfYear> MonthAfter(MonthOfYear month, int step);

constexpr bool IsMonth(int month) {
    return month >= 1 && month <= 12;
}

// 29 for a leap year, 28 otherwise.
std::int16_t FebruaryLength(std::int16_t year);

// Weekday of a date by Zeller's congruence (March counts as month 1). No argument is checked:
// an impossible date such as 31 February yields whatever the formula gives.
std::int16_t WeekdayOf(std::int16_t year, std::int16_t month, std::int16_t day);

// Days of each month 1..12 of one year; entry 0 is unused.
struct MonthLengths {
    std::array<std::uint8_t, 13> Days{};
};
MonthLengths BuildMonthLengths(std::int16_t year);

// The sheet's columns run from Monday (0) to Sunday, whose initial and numbers are red.
inline constexpr int SundayColumn = 6;

// Which place of the sheet's grid shows which day of the month: the day, 0 for none, as
// [column][row]. Rows 1..6 are walked and, inside each row, columns 0..6 (0 = Monday); a place
// receives the next day when that day falls on its column and still belongs to the month. Row 0
// (the weekday initials) shows no day, and neither does any place of a month outside 1..12.
using MonthGrid = std::array<std::array<std::int16_t, 7>, 7>;
MonthGrid PlaceMonth(std::int16_t year, std::int16_t month);
