#pragma once
// A tip beside an item of an open menu, for what the item's text has no room for: a tracking
// tooltip shown while the item is highlighted (WM_MENUSELECT) and hidden when another item is,
// or when the menu closes. Menus have no help text of their own outside a status bar.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <string>

class MenuTip {
  public:
    explicit MenuTip(HWND owner);
    ~MenuTip();
    MenuTip(const MenuTip&) = delete;
    MenuTip& operator=(const MenuTip&) = delete;

    // Shows the text beside the item at this position of the open popup menu.
    void Show(HMENU menu, UINT position, const std::wstring& text);
    void Hide();

  private:
    TOOLINFOW Tool() const;

    HWND Owner;
    HWND Tip;
    std::wstring Text;
};
