#include "platform/win32/color_dialog.h"

#include <commdlg.h>

namespace {

constexpr int OffsetFromOwner = 30;

UINT_PTR CALLBACK PlaceBesideOwner(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return 0;
    const auto* choice = reinterpret_cast<const CHOOSECOLORW*>(lParam);
    RECT ownerRect{};
    if (choice->hwndOwner && GetWindowRect(choice->hwndOwner, &ownerRect))
        SetWindowPos(dialog, nullptr, ownerRect.left + OffsetFromOwner,
                     ownerRect.top + OffsetFromOwner, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 1;  // the chooser gives the focus to its first control
}

}  // namespace

std::optional<COLORREF> PickColor(HWND owner, COLORREF initial, CustomColorSet& custom) {
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.rgbResult = initial;
    choice.lpCustColors = custom;
    choice.Flags = CC_FULLOPEN | CC_RGBINIT | CC_ENABLEHOOK;
    choice.lpfnHook = PlaceBesideOwner;
    if (!ChooseColorW(&choice)) return std::nullopt;
    return choice.rgbResult;
}
