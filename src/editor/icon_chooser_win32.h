#pragma once
// The file chooser behind the day editor's "Icono" buttons.

#include <windows.h>

#include "platform/dialog_memory.h"

// Opens the system's open dialog for icon files in the folder of the icon chosen last (or in
// the current directory), and makes the chosen path the icon chosen last; a cancel leaves none.
void ChooseIconFile(HWND owner, DialogMemory& memory);
