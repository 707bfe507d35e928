#pragma once
// File-system questions asked of paths as the user gave them (UTF-16).

#include <string>
#include <string_view>

// True when the path, without its leading and trailing blanks, names an existing file or
// folder. An empty path gives false. Shows nothing and leaves no error state behind.
bool FileExists(std::wstring_view path);

// The system-specific half of FileExists: are the attributes of this exact path readable?
bool PathAttributesReadable(const std::wstring& trimmedPath);
