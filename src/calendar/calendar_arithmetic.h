#pragma once
// Gregorian calendar arithmetic on signed 16-bit years, months and days, with divisions and
// remainders that truncate toward zero. Weekdays run 1 = Monday .. 7 = Sunday.

#include <array>
#include <cstdint>

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

// The walk that places the days of one month into the sheet's grid. The drawing visits rows
// 1..6 and, inside each row, columns 0..6 (0 = Monday); a visited cell receives the current day
// when that day falls on the cell's column and still belongs to the month.
class DayPlacement {
  public:
    DayPlacement(std::int16_t year, std::int16_t month);

    // Does the cell at this column receive CurrentDay()?
    bool Receives(int column) const;
    std::int16_t CurrentDay() const { return Day; }
    // Called after a cell that received the day has been drawn.
    void Advance() { ++Day; }

  private:
    std::int16_t Year;
    std::int16_t Month;
    std::int16_t Day = 1;
    MonthLengths Lengths;
};

// The whole walk at once: the day each grid cell receives, 0 for none, as [column][row]
// with row 0 (the header row) always 0.
using MonthGrid = std::array<std::array<std::int16_t, 7>, 7>;
MonthGrid PlaceMonth(std::int16_t year, std::int16_t month);
