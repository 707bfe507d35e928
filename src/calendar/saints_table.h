#pragma once
// The saint (or feast) of every date of the year, the same in every year.

#include <string>

// One date of the built-in list: month 1..12, day 1..31, Windows-1252 text.
struct SaintEntry {
    int Month;
    int Day;
    const char* Text;
};
inline constexpr int SaintsDataCount = 366;
extern const SaintEntry SaintsData[SaintsDataCount];

// 12 x 31 slots of at most 21 characters; the six dates that no year has stay empty.
struct SaintsTableSlots {
    char Slots[13][32][22];
};
extern SaintsTableSlots SaintsTable;

// Empties every slot, then fills the 366 dates. Called once at start-up.
void BuildSaintsTable();

// The entry of (month, day); empty for the impossible dates and outside 1..12 / 1..31.
std::string SaintOfDay(int month, int day);
