#include "app/main_menu_win32.h"

#include <string>

#include "app/main_menu.h"

namespace {

void AppendItem(HMENU menu, const MenuEntry& entry) {
    std::wstring text = entry.Text;
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    if (text == L"-") {
        item.fMask = MIIM_FTYPE;
        item.fType = MFT_SEPARATOR;
    } else {
        item.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_STATE;
        item.fType = MFT_STRING;
        item.wID = static_cast<UINT>(entry.Id);
        item.fState = entry.Disabled ? MF_DISABLED : MFS_ENABLED;
        item.dwTypeData = text.data();
    }
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

}  // namespace

UniqueMenu BuildMainMenu() {
    UniqueMenu bar(CreateMenu());
    UniqueMenu popup(CreatePopupMenu());
    for (const MenuEntry& entry : MainMenuEntries) AppendItem(popup.Get(), entry);
    std::wstring title = MainMenuTitle;
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING | MIIM_SUBMENU;
    item.hSubMenu = popup.Get();
    item.dwTypeData = title.data();
    if (InsertMenuItemW(bar.Get(), 0, TRUE, &item)) popup.Release();  // the bar owns it now
    return bar;
}
