#pragma once
// The month and year chooser's rules: its list items, what picking one and typing a year store
// in the sheet, and when it may close.

#include <cstdint>
#include <string>
#include <string_view>

// Month 1..12 as two digits, one blank and its name: "01 Enero" .. "12 Diciembre" (Windows-1252).
// The list sorts its items; the two-digit prefix keeps them in calendar order.
std::string MonthItemText(int month);

// The month of a list item: the number formed by its first two characters.
std::int16_t MonthOfItem(std::string_view itemText);

// The year typed in the year box (an empty box gives 0; too large a number gives -32768).
std::int16_t YearOfTypedText(std::string_view typed);

// The chooser closes only on a year from 1 and a month 1..12, whatever asks it to close.
bool ChooserMayClose(std::int16_t year, std::int16_t month);
