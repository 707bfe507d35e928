#pragma once
// The files of one folder by name, on paths as the user gave them (UTF-16; the native stand-in
// hands them to the system as UTF-8): listing, removing and renaming them.

#include <string>
#include <vector>

// The names (without the folder) of the files directly in the folder, given with its closing
// separator, in no particular order; folders are left out. Empty when the folder cannot be read.
std::vector<std::wstring> FileNamesIn(const std::wstring& folder);

// True when the file is gone afterwards, also when it was never there.
bool RemoveFile(const std::wstring& path);

// Gives the file another name in the same folder; never replaces a file that has that name.
bool RenameFile(const std::wstring& from, const std::wstring& to);

// True when the folder exists afterwards; the folder it sits in must exist.
bool MakeFolder(const std::wstring& path);
