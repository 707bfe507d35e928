#pragma once
// A window that takes the files dropped on it from Explorer (WM_DROPFILES), however the program
// was started.

#include <windows.h>

void AcceptDroppedFiles(HWND window);
