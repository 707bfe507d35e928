#include "app/window/main_menu.h"

std::wstring MenuItemText(const MenuEntry& entry) {
    std::wstring text = entry.Text;
    for (const MenuShortcut& shortcut : MenuShortcuts)
        if (shortcut.Id == entry.Id && shortcut.Shown)
            text += std::wstring(L"\tCtrl+") + shortcut.Key;
    return text;
}
