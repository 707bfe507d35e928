#pragma once
// The system's choosers (colours, files) open with their outer top-left corner 30 pixels right
// of and below their owner's.

#include <windows.h>

// Moves the dialog there; nothing happens without an owner.
void PlaceBesideOwner(HWND dialog, HWND owner);
