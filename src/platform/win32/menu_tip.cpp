#include "platform/win32/menu_tip.h"

#include "platform/win32/program_file.h"

MenuTip::MenuTip(HWND owner)
    : Owner(owner),
      Tip(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, ProgramInstance(),
                          nullptr)) {
    TOOLINFOW tool = Tool();
    SendMessageW(Tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

MenuTip::~MenuTip() {
    if (IsWindow(Tip)) DestroyWindow(Tip);
}

TOOLINFOW MenuTip::Tool() const {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    // A tracking tool is placed where the program says, beside the item, not under the mouse.
    tool.uFlags = TTF_TRACK;
    tool.hwnd = Owner;
    tool.lpszText = const_cast<wchar_t*>(Text.c_str());
    return tool;
}

void MenuTip::Show(HMENU menu, UINT position, const std::wstring& text) {
    RECT item{};
    // A null window: the system finds the window of the open popup menu itself.
    if (!Tip || !GetMenuItemRect(nullptr, menu, position, &item)) {
        Hide();
        return;
    }
    Text = text;
    TOOLINFOW tool = Tool();
    SendMessageW(Tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(Tip, TTM_TRACKPOSITION, 0, MAKELPARAM(item.right, item.top));
    SendMessageW(Tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void MenuTip::Hide() {
    if (!Tip) return;
    TOOLINFOW tool = Tool();
    SendMessageW(Tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}
