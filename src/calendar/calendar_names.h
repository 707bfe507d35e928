#pragma once
// Spanish month names, indexed 1..12 (1 = January).

#include <string>

// Twelve 12-byte text slots (at most 11 characters each); entry 0 is unused.
struct MonthNameTable {
    char Slots[13][12];
};
extern MonthNameTable MonthNames;

// Fills MonthNames; called once at start-up, before anything reads the names.
void InitCalendarNames();

// The name of month 1..12 as stored; any other month has no name and yields the empty text.
std::string MonthName(int month);
