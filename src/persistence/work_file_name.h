#pragma once
// The name work files go by: the extension the file dialogs offer, the desktop registers and a
// file dropped on the program must have.

#include <string_view>

inline constexpr wchar_t WorkFileExtension[] = L"vrel";  // without its dot

// True when the path's last name ends in a dot and the extension, letters in any case.
bool HasWorkFileExtension(std::wstring_view path);
