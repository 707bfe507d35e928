#pragma once
// What the program keeps for the user between runs, as values of one registry key of the user's
// own (HKEY_CURRENT_USER\Software\Almanaque), shared by every copy of the program.

#include <windows.h>

#include <optional>
#include <string>

inline constexpr wchar_t UserSettingsKey[] = L"Software\\Almanaque";

// None when the value is missing or of another type.
std::optional<std::wstring> ReadUserText(const wchar_t* name);
std::optional<DWORD> ReadUserNumber(const wchar_t* name);
// False when the key or the value cannot be written.
bool WriteUserText(const wchar_t* name, const std::wstring& text);
bool WriteUserNumber(const wchar_t* name, DWORD number);
