#pragma once
// The main window's layout. At 96 dpi its client area is 1132 x 824 pixels, the menu bar
// included, and shows the whole sheet with a margin of 5 pixels on every side. In a client area
// of any size (below the menu bar) the sheet is shown at the largest scale at which it fits with
// its margins, centred: in the window laid out at some resolution that is the sheet at that
// resolution; a larger window shows a larger sheet.

#include "platform/window_place.h"
#include "render/sheet_scale.h"

namespace MainWindowLayout {
inline constexpr int SheetViewId = 1001;  // the control that shows the sheet
inline constexpr int SheetMargin = 5;
inline constexpr int MenuBarAllowance = 20;
inline constexpr int ClientWidth = SheetWidth + 2 * SheetMargin;
inline constexpr int ClientHeight = SheetHeight + 2 * SheetMargin + MenuBarAllowance;
}  // namespace MainWindowLayout

struct SheetViewPlace {
    PixelBox Box;  // in the client area
    SheetScale Scale;
    bool operator==(const SheetViewPlace&) const = default;
};

SheetViewPlace PlaceSheetView(PixelSize client);
