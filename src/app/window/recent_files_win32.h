#pragma once
// The recent work files in the user's registry, shared by every copy of the program that runs:
// each change is made to the list as stored right then, not to an older copy of it.

#include <string>

#include "app/window/recent_files.h"

// The stored list; empty when there is none or it cannot be read.
RecentFiles LoadRecentFiles();

// Puts the work file first in the stored list and tells Windows' own list of recent documents
// (the taskbar's jump list). The list stored now is returned.
RecentFiles RememberRecentFile(const std::wstring& path);

// Takes the file off the stored list; the list stored now is returned.
RecentFiles ForgetRecentFile(const std::wstring& path);
