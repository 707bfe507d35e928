#pragma once
// Path texts: as the document holds them (Windows-1252 bytes) and as the user gave them (UTF-16),
// with "\", "/" and ":" as separators.

#include <string>
#include <string_view>

// The text without leading and trailing blanks (only the blank character, 0x20).
std::string TrimBlanks(std::string_view text);
std::wstring TrimBlanks(std::wstring_view text);

// The text without its trailing blanks.
std::string_view WithoutTrailingBlanks(std::string_view text);

// The folder part of a path: everything up to and including the last "\", "/" or ":" (Windows
// takes "/" as a separator too); empty for a bare name.
std::wstring FolderOf(std::wstring_view path);

// A full path in the system's extended-length form, which no length limit below 32,767
// characters applies to: "\\?\C:\..." or "\\?\UNC\server\share\..."; a path already in it is
// kept.
std::wstring ExtendedLengthPath(std::wstring_view fullPath);
