#include "calendar/saints_table.h"

#include "calendar/calendar_arithmetic.h"

std::string_view SaintOfDay(int month, int day) {
    // Month lengths and the dates before each month, in a leap year.
    static constexpr int Length[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    static constexpr int Before[13] = {0, 0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};
    if (!IsMonth(month) || day < 1 || day > Length[month]) return {};
    const SaintEntry& entry = SaintsData[Before[month] + day - 1];
    return entry.Month == month && entry.Day == day ? entry.Text : std::string_view{};
}
