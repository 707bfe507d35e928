#include "app/window/main_menu_win32.h"

#include <string>
#include <vector>

#include "app/window/main_menu.h"

namespace {

void AppendItem(HMENU menu, std::wstring text, int id) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    if (text == L"-") {
        item.fMask = MIIM_FTYPE;
        item.fType = MFT_SEPARATOR;
    } else {
        item.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID;
        item.fType = MFT_STRING;
        item.wID = static_cast<UINT>(id);
        item.dwTypeData = text.data();
    }
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

}  // namespace

void FillFileMenu(HMENU popup, const RecentFiles& recent) {
    while (GetMenuItemCount(popup) > 0) DeleteMenu(popup, 0, MF_BYPOSITION);
    for (const MenuEntry& entry : MainMenuEntries) {
        if (entry.Id == MenuCommand::Exit && !recent.empty()) {
            for (std::size_t k = 0; k < recent.size(); ++k)
                AppendItem(popup, RecentFileLabel(k, recent[k]),
                           MenuCommand::RecentFile + static_cast<int>(k));
            AppendItem(popup, L"-", 0);
        }
        AppendItem(popup, MenuItemText(entry), entry.Id);
    }
}

UniqueMenu BuildMainMenu(const RecentFiles& recent) {
    UniqueMenu bar(CreateMenu());
    UniqueMenu popup(CreatePopupMenu());
    FillFileMenu(popup.Get(), recent);
    std::wstring title = MainMenuTitle;
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING | MIIM_SUBMENU;
    item.hSubMenu = popup.Get();
    item.dwTypeData = title.data();
    if (InsertMenuItemW(bar.Get(), 0, TRUE, &item)) popup.Release();  // the bar owns it now
    return bar;
}

UniqueAcceleratorTable BuildMenuShortcuts() {
    std::vector<ACCEL> keys;
    for (const MenuShortcut& shortcut : MenuShortcuts)
        keys.push_back({static_cast<BYTE>(FVIRTKEY | (shortcut.Control ? FCONTROL : 0)),
                        shortcut.Key, static_cast<WORD>(shortcut.Id)});
    return UniqueAcceleratorTable(
        CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}
