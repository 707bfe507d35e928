#pragma once
// The system's colour chooser opens with its outer top-left corner 30 pixels (at 96 dpi) right of
// and below its owner's, moved into the work area of the owner's monitor as far as needed. (The
// file dialogs place themselves: a hook that placed them would bring back the old Explorer-style
// dialog.)

#include <windows.h>

// Moves the dialog there; nothing happens without an owner.
void PlaceBesideOwner(HWND dialog, HWND owner);
