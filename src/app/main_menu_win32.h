#pragma once
// Builds the main window's menu bar from the menu table.

#include <windows.h>

#include "platform/win32/handles.h"

// A menu bar holding the popup "Archivos"; every item is appended in table order
// (InsertMenuItemW). A disabled item has state MF_DISABLED alone: it looks like the others.
UniqueMenu BuildMainMenu();
