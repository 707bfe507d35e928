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

void FillEditMenu(HMENU popup, const EditMenuState& state) {
    while (GetMenuItemCount(popup) > 0) DeleteMenu(popup, 0, MF_BYPOSITION);
    AppendItem(popup, MenuItemText(EditMenuEntries[0], state.UndoText), MenuCommand::Undo);
    AppendItem(popup, MenuItemText(EditMenuEntries[1], state.RedoText), MenuCommand::Redo);
    EnableMenuItem(popup, MenuCommand::Undo, state.CanUndo ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(popup, MenuCommand::Redo, state.CanRedo ? MF_ENABLED : MF_GRAYED);
}

UniqueMenu BuildMainMenu(const RecentFiles& recent) {
    UniqueMenu bar(CreateMenu());
    const auto addPopup = [&](const wchar_t* name, UniqueMenu popup) {
        std::wstring title = name;
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING | MIIM_SUBMENU;
        item.hSubMenu = popup.Get();
        item.dwTypeData = title.data();
        if (InsertMenuItemW(bar.Get(), static_cast<UINT>(GetMenuItemCount(bar.Get())), TRUE, &item))
            popup.Release();  // the bar owns it now
    };
    UniqueMenu files(CreatePopupMenu());
    FillFileMenu(files.Get(), recent);
    addPopup(MainMenuTitle, std::move(files));
    UniqueMenu edit(CreatePopupMenu());
    FillEditMenu(edit.Get(), {});
    addPopup(EditMenuTitle, std::move(edit));
    return bar;
}

UniqueAcceleratorTable BuildMenuShortcuts() {
    std::vector<ACCEL> keys;
    for (const MenuShortcut& shortcut : MenuShortcuts)
        keys.push_back({static_cast<BYTE>(FVIRTKEY | (shortcut.Control ? FCONTROL : 0) |
                                          (shortcut.Shift ? FSHIFT : 0)),
                        shortcut.Key, static_cast<WORD>(shortcut.Id)});
    return UniqueAcceleratorTable(
        CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}
