#pragma once
// Builds the main window's menu bar from the menu table, and its keyboard shortcuts.

#include <windows.h>

#include <string>

#include "app/window/recent_files.h"
#include "platform/win32/handles.h"

// A menu bar holding the popups "Archivos" (FillFileMenu) and "Edición" (FillEditMenu).
UniqueMenu BuildMainMenu(const RecentFiles& recent);

// Empties the popup and appends every item in table order (InsertMenuItemW), the recent files
// before "Salir".
void FillFileMenu(HMENU popup, const RecentFiles& recent);

// "Deshacer" and "Rehacer" with the texts given, greyed unless they can act.
struct EditMenuState {
    std::wstring UndoText = L"Deshacer";
    std::wstring RedoText = L"Rehacer";
    bool CanUndo = false;
    bool CanRedo = false;
};
void FillEditMenu(HMENU popup, const EditMenuState& state);

// The accelerator table of the menu's shortcuts (Ctrl + key, virtual-key codes).
UniqueAcceleratorTable BuildMenuShortcuts();
