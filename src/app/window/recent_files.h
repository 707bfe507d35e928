#pragma once
// The recent work files: the last work files read or saved, newest first, as the "Archivos"
// menu numbers them and the user's registry keeps them. Paths are full paths as the system
// gave them (UTF-16).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t RecentFileLimit = 8;

using RecentFiles = std::vector<std::wstring>;

// The list with the path first. An entry naming the same file leaves (Windows paths compare
// without regard to case), and the list is cut at RecentFileLimit.
RecentFiles WithRecentFile(const RecentFiles& list, const std::wstring& path);
// The list without the entries naming that file.
RecentFiles WithoutRecentFile(const RecentFiles& list, std::wstring_view path);

// "&1 mayo.vrel": the menu label of the entry at this index (0 is the newest), numbered from 1
// with the number as its mnemonic, then the file's name without its folder. An "&" of the name
// is doubled so that the menu shows it as it is.
std::wstring RecentFileLabel(std::size_t index, std::wstring_view path);

// The list as one registry text of the multi-string kind: each path ended by a zero character,
// then one more zero. Reading stops at the first empty string; what it gives passes through the
// same rules as the menu's list, so a value edited by hand never shows twice or more than eight.
std::wstring RecentFilesValue(const RecentFiles& list);
RecentFiles RecentFilesFromValue(std::wstring_view value);

// Where the user's registry keeps the list: a REG_MULTI_SZ value under HKEY_CURRENT_USER.
inline constexpr wchar_t RecentFilesValueName[] = L"Recientes";
