#pragma once
// The file chooser behind the day editor's "Icono" buttons.

#include <windows.h>

#include "calendar/text_slot.h"

// Opens the system's open dialog for icon files in the folder of the path the slot holds (or in
// the current directory), and puts the chosen path, or blanks when the user cancelled, into the
// slot.
void ChooseIconFile(HWND owner, PathField& slot);
