#pragma once
// Windows-1252 <-> UTF-16 with a fixed table, so that document texts convert the same way on
// every system, whatever its code page. Every byte maps to one UTF-16 unit and back; the five
// bytes that 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters
// of the same value, as Windows does. Characters that 1252 cannot represent become "?".

#include <string>
#include <string_view>

std::wstring Cp1252ToWide(std::string_view text);
std::string WideToCp1252(std::wstring_view text);

// From UTF-8, for file names of the native build and for data kept in source as UTF-8.
std::string Utf8ToCp1252(std::string_view text);

// A path as the user gave it, for systems that name files in UTF-8 (the native stand-in).
std::string WideToUtf8(std::wstring_view text);
