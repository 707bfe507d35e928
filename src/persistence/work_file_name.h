#pragma once
// The name work files go by: the extension the file dialogs offer, the desktop registers and a
// file dropped on the program must have, and the name of a month's file among a year's.

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr wchar_t WorkFileExtension[] = L"vrel";  // without its dot

// A month's work file among a year's: named as its exported image is, "2027 3.vrel".
std::wstring MonthWorkFileName(std::int16_t year, std::int16_t month);

// True when the path's last name ends in a dot and the extension, letters in any case.
bool HasWorkFileExtension(std::wstring_view path);
