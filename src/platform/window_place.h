#pragma once
// Where a window of the program goes on its monitor. Every window is laid out in pixels of a
// 96-dpi screen and shown at the resolution of the monitor it is on, or at a lower one when it
// would not fit in the monitor's work area (the screen less the taskbar); it lies inside the work
// area, moved in from where it would like to be only as far as needed. Screen pixels throughout.

#include "platform/control_layout.h"

struct PixelSize {
    int Width;
    int Height;
    bool operator==(const PixelSize&) const = default;
};

// Below this, text would be too small to read: a window that does not fit even so stays larger
// than the work area.
inline constexpr int LowestLayoutDotsPerInch = 48;

// The resolution at which a window whose client area is laid out at this size is shown: the
// monitor's when the client area at that resolution and the frame (caption, borders, measured at
// the monitor's resolution) fit in the work area, otherwise the highest one below it that fits.
int WindowDotsPerInch(PixelSize layoutClient, PixelSize frame, PixelSize workArea,
                      int monitorDotsPerInch);

// The window moved into the work area only as far as needed. A window larger than the area
// keeps its top-left corner, and with it the caption and the menu, inside.
PixelBox MoveIntoWorkArea(PixelBox window, PixelBox workArea);

// A client area laid out at one resolution, as large on the screen at another: the size the
// window asks for when it moves to a monitor of that resolution.
PixelSize ClientAtNewDpi(PixelSize client, int fromDotsPerInch, int toDotsPerInch);

// A window of this size in the middle of the work area, and inside it as above.
PixelBox CentreInWorkArea(PixelSize window, PixelBox workArea);
