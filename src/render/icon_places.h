#pragma once
// Where the file of an icon named on a sheet is looked for, in order. A path is taken as stored
// (a relative one from the current folder). A bare file name, as the start-up sheet's
// "apple.ico" and older work files store it, is looked for in the current folder and then in
// the program's own folder, where the sample icons are: a work file opened from the desktop
// starts the program in the work file's folder.

#include <string>
#include <string_view>
#include <vector>

// The program file's full path gives its folder.
std::vector<std::wstring> IconFilePlaces(std::wstring_view storedPath,
                                         std::wstring_view programFile);
