#pragma once
// Spanish month names, indexed 1..12 (1 = January).

#include <string>

// The name of month 1..12 (Windows-1252); any other month has no name and yields the empty text.
std::string MonthName(int month);
