#pragma once
// The monitor a window is on: its top-left corner and its work area (the screen less the
// taskbar), in screen pixels; the primary monitor for a window on none.

#include <windows.h>

#include "platform/control_layout.h"

struct MonitorArea {
    POINT Corner;
    PixelBox Work;
};

MonitorArea MonitorAreaOf(HWND window);
// The monitor that holds most of a rectangle of the screen, or the nearest one.
MonitorArea MonitorAreaAt(const RECT& box);
