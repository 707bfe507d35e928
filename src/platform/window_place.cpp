#include "platform/window_place.h"

#include <algorithm>

int WindowDotsPerInch(PixelSize layoutClient, PixelSize frame, PixelSize workArea,
                      int monitorDotsPerInch) {
    int dotsPerInch = std::max(monitorDotsPerInch, LowestLayoutDotsPerInch);
    for (; dotsPerInch > LowestLayoutDotsPerInch; --dotsPerInch) {
        const bool fits =
            LengthAtDpi(layoutClient.Width, dotsPerInch) + frame.Width <= workArea.Width &&
            LengthAtDpi(layoutClient.Height, dotsPerInch) + frame.Height <= workArea.Height;
        if (fits) break;
    }
    return dotsPerInch;
}

PixelBox MoveIntoWorkArea(PixelBox window, PixelBox workArea) {
    const int right = workArea.Left + workArea.Width;
    const int bottom = workArea.Top + workArea.Height;
    window.Left = std::max(std::min(window.Left, right - window.Width), workArea.Left);
    window.Top = std::max(std::min(window.Top, bottom - window.Height), workArea.Top);
    return window;
}

PixelBox CentreInWorkArea(PixelSize window, PixelBox workArea) {
    return MoveIntoWorkArea(
        {workArea.Left + (workArea.Width - window.Width) / 2,
         workArea.Top + (workArea.Height - window.Height) / 2, window.Width, window.Height},
        workArea);
}

PixelSize ClientAtNewDpi(PixelSize client, int fromDotsPerInch, int toDotsPerInch) {
    const auto scaled = [&](int length) {
        return (2 * length * toDotsPerInch + fromDotsPerInch) / (2 * fromDotsPerInch);
    };
    return {scaled(client.Width), scaled(client.Height)};
}
