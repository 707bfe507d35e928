#include "calendar/calendar_arithmetic.h"

std::int16_t FebruaryLength(std::int16_t year) {
    const bool leap = year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
    return leap ? 29 : 28;
}

std::int16_t WeekdayOf(std::int16_t year, std::int16_t month, std::int16_t day) {
    std::int16_t m = static_cast<std::int16_t>(month - 2);
    std::int16_t y = year;
    if (m <= 0) {
        m = static_cast<std::int16_t>(m + 12);
        y = static_cast<std::int16_t>(y - 1);
    }
    const std::int16_t century = static_cast<std::int16_t>(y / 100);
    const std::int16_t yearInCentury = static_cast<std::int16_t>(y % 100);
    std::int16_t w = static_cast<std::int16_t>((26 * m - 2) / 10 + day + yearInCentury +
                                               yearInCentury / 4 + century / 4 - 2 * century);
    while (w < 0) w = static_cast<std::int16_t>(w + 7);
    const int sundayFirst = 1 + w % 7;  // 1 = Sunday .. 7 = Saturday
    return static_cast<std::int16_t>(sundayFirst == 1 ? 7 : sundayFirst - 1);
}

MonthLengths BuildMonthLengths(std::int16_t year) {
    MonthLengths lengths;
    lengths.Days = {
        0,  31, static_cast<std::uint8_t>(FebruaryLength(year)), 31, 30, 31, 30, 31, 31, 30, 31,
        30, 31};
    return lengths;
}

MonthGrid PlaceMonth(std::int16_t year, std::int16_t month) {
    MonthGrid grid{};
    if (!IsMonth(month)) return grid;
    const int length = BuildMonthLengths(year).Days[month];
    std::int16_t day = 1;
    for (int row = 1; row <= 6; ++row)
        for (int column = 0; column <= 6; ++column)
            if (day <= length && WeekdayOf(year, month, day) - 1 == column)
                grid[column][row] = day++;
    return grid;
}

std::optional<MonthOfYear> MonthAfter(MonthOfYear month, int step) {
    const int months = (month.Year - 1) * 12 + (month.Month - 1) + step;
    if (months < 0 || months >= 32767 * 12) return std::nullopt;
    return MonthOfYear{static_cast<std::int16_t>(months / 12 + 1),
                       static_cast<std::int16_t>(months % 12 + 1)};
}
