#pragma once
// The system's colour chooser opens with its outer top-left corner 30 pixels right of and below
// its owner's. (The file dialogs place themselves: a hook that placed them would bring back the
// old Explorer-style dialog.)

#include <windows.h>

// Moves the dialog there; nothing happens without an owner.
void PlaceBesideOwner(HWND dialog, HWND owner);
