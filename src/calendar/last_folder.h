#pragma once
// The folder in which the next file dialog opens. The work-file dialogs and the icon chooser
// share it; each sets it from its own path right before it opens its dialog.

#include <cstddef>
#include <string>
#include <string_view>

// At most 254 characters, empty at program start.
inline constexpr std::size_t LastFolderLength = 254;

// LastFolder becomes the folder part of the path text without its leading and trailing blanks:
// everything up to and including the last "\\" or ":". Empty when there is no such character or
// the path is longer than 260 characters; a longer folder is cut to 254 characters.
void SetLastFolderFrom(std::wstring_view pathText);

// The text LastFolder holds; empty means "the process's current directory".
std::wstring LastFolderText();
