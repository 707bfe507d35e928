#include "app/window/sheet_view_place.h"

#include <algorithm>

namespace {

using namespace MainWindowLayout;

constexpr int FramedWidth = SheetWidth + 2 * SheetMargin;
constexpr int FramedHeight = SheetHeight + 2 * SheetMargin;

// Scales are tried in steps of a tenth of a dot per inch: every whole resolution is one of them,
// and a step adds more than a pixel to the sheet's width, so the window is filled to a pixel.
constexpr long long Steps = SheetDotsPerInch * 10;

SheetScale ScaleOfSteps(long long steps) {
    const AxisRatio ratio{steps, Steps};
    return {ratio, ratio, 0, 0};
}

bool Fits(SheetScale scale, PixelSize client) {
    return scale.WidthToPixels(FramedWidth) <= client.Width &&
           scale.HeightToPixels(FramedHeight) <= client.Height;
}

}  // namespace

SheetViewPlace PlaceSheetView(PixelSize client) {
    // Rounding aside, the scale of the tighter side; the rounding is settled by stepping down.
    long long steps =
        std::min(client.Width * Steps / FramedWidth, client.Height * Steps / FramedHeight) + 1;
    while (steps > 1 && !Fits(ScaleOfSteps(steps), client)) --steps;
    const SheetScale scale = ScaleOfSteps(std::max(steps, 1LL));
    const int width = scale.PageWidth();
    const int height = scale.PageHeight();
    return {{(client.Width - width) / 2, (client.Height - height) / 2, width, height}, scale};
}
