#include "app/window/main_menu.h"

namespace {

std::wstring KeyName(std::uint16_t key) {
    if (key == PageUpKey) return L"Re P\u00e1g";
    if (key == PageDownKey) return L"Av P\u00e1g";
    return std::wstring(1, static_cast<wchar_t>(key));
}

}  // namespace

std::wstring MenuItemText(const MenuEntry& entry, std::wstring_view given) {
    std::wstring text = given.empty() ? std::wstring(entry.Text) : std::wstring(given);
    for (const MenuShortcut& shortcut : MenuShortcuts)
        if (shortcut.Id == entry.Id && shortcut.Shown)
            text += std::wstring(L"\t") + (shortcut.Control ? L"Ctrl+" : L"") +
                    (shortcut.Shift ? L"May\u00fas+" : L"") + KeyName(shortcut.Key);
    return text;
}
