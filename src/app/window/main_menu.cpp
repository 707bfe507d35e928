#include "app/window/main_menu.h"

namespace {

std::wstring KeyName(std::uint16_t key) {
    if (key == PageUpKey) return L"Re P\u00e1g";
    if (key == PageDownKey) return L"Av P\u00e1g";
    return std::wstring(1, static_cast<wchar_t>(key));
}

}  // namespace

std::wstring MenuItemText(const MenuEntry& entry) {
    std::wstring text = entry.Text;
    for (const MenuShortcut& shortcut : MenuShortcuts)
        if (shortcut.Id == entry.Id && shortcut.Shown)
            text += (shortcut.Control ? L"\tCtrl+" : L"\t") + KeyName(shortcut.Key);
    return text;
}
