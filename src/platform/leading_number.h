#pragma once
// Numbers typed or shown as text (a typed year, the "05" of a month item) are formed from the
// text's leading decimal digits: no digits give 0, and a value that does not fit a signed 16-bit
// integer becomes -32768.

#include <cstdint>
#include <string_view>

std::int16_t NumberFromLeadingDigits(std::string_view text);
