#pragma once
// Path texts: as the document holds them (Windows-1252 bytes) and as the user gave them (UTF-16),
// with "\" and ":" as separators.

#include <string>
#include <string_view>

// The text without leading and trailing blanks (only the blank character, 0x20).
std::string TrimBlanks(std::string_view text);
std::wstring TrimBlanks(std::wstring_view text);

// The text without its trailing blanks.
std::string_view WithoutTrailingBlanks(std::string_view text);

// Everything up to and including the last "\" or ":"; empty when there is neither or when the
// path is longer than 260 characters.
std::wstring FolderPart(std::wstring_view path);
