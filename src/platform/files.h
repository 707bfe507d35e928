#pragma once
// File-system questions asked of paths as the user gave them (UTF-16).

#include <string>
#include <string_view>

// What the file system says of a path.
enum class PathState {
    Present,   // an existing file or folder
    Missing,   // the file, or a folder on its way, is not there; an empty path is missing too
    Unusable,  // the system cannot use the path at all: a name too long or invalid, access
               // refused...
};

// The state of the path without its leading and trailing blanks. Shows nothing and leaves no
// error state behind.
PathState StateOfPath(std::wstring_view path);

// True when the path, without its leading and trailing blanks, names an existing file or folder.
bool FileExists(std::wstring_view path);

// The system-specific half of StateOfPath, for a path that is neither empty nor blank-edged:
// Missing for the system's "not found" errors, Unusable for any other failure.
PathState SystemPathState(const std::wstring& trimmedPath);
