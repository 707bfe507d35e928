#pragma once
// Builds the main window's menu bar from the menu table, and its keyboard shortcuts.

#include <windows.h>

#include "app/window/recent_files.h"
#include "platform/win32/handles.h"

// A menu bar holding the popup "Archivos" (FillFileMenu).
UniqueMenu BuildMainMenu(const RecentFiles& recent);

// Empties the popup and appends every item in table order (InsertMenuItemW), the recent files
// before "Salir".
void FillFileMenu(HMENU popup, const RecentFiles& recent);

// The accelerator table of the menu's shortcuts (Ctrl + key, virtual-key codes).
UniqueAcceleratorTable BuildMenuShortcuts();
