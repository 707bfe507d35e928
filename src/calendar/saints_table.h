#pragma once
// The saint (or feast) of every date of the year, the same in every year.

#include <string_view>

// One date of the built-in list: month 1..12, day 1..31, Windows-1252 text. The list holds every
// date of a leap year, in calendar order.
struct SaintEntry {
    int Month;
    int Day;
    const char* Text;
};
inline constexpr int SaintsDataCount = 366;
extern const SaintEntry SaintsData[SaintsDataCount];

// The entry of (month, day); empty for the dates no year has and outside 1..12 / 1..31.
std::string_view SaintOfDay(int month, int day);
