#pragma once
// Spanish month names, indexed 1..12 (1 = January).

#include <cstdint>
#include <string>

// The name of month 1..12 (Windows-1252); any other month has no name and yields the empty text.
std::string MonthName(int month);

// The month's name, one blank and the year ("Septiembre 2024"), Windows-1252: the sheet's title,
// and how the window's caption, the questions about a sheet and a print job name it. Empty for a
// month outside 1..12.
std::string SheetTitle(std::int16_t year, std::int16_t month);
