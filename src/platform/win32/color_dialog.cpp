#include "platform/win32/color_dialog.h"

#include <commdlg.h>

#include <algorithm>

#include "platform/win32/beside_owner.h"

namespace {

UINT_PTR CALLBACK PlaceChooser(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return 0;
    PlaceBesideOwner(dialog, reinterpret_cast<const CHOOSECOLORW*>(lParam)->hwndOwner);
    return 1;  // the chooser gives the focus to its first control
}

}  // namespace

std::optional<COLORREF> PickColor(HWND owner, COLORREF initial, CustomColorSet& custom) {
    COLORREF customColors[16];
    std::copy(custom.begin(), custom.end(), customColors);
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.rgbResult = initial;
    choice.lpCustColors = customColors;
    choice.Flags = CC_FULLOPEN | CC_RGBINIT | CC_ENABLEHOOK;
    choice.lpfnHook = PlaceChooser;
    const bool confirmed = ChooseColorW(&choice);
    std::copy(std::begin(customColors), std::end(customColors), custom.begin());
    if (!confirmed) return std::nullopt;
    return choice.rgbResult;
}
