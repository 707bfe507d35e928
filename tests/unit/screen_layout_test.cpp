// Windows at a monitor's resolution in its work area, and the sheet in the main window.

#include <gtest/gtest.h>

#include "app/window/sheet_click.h"
#include "app/window/sheet_view_place.h"

namespace {

TEST(WindowPlace, ControlsScaleByTheirEdgesAndWindowsFitTheWorkArea) {
    EXPECT_EQ(BoxAtDpi({376, 32, 176, 24}, 144), (PixelBox{564, 48, 264, 36}));
    EXPECT_EQ(BoxAtDpi({5, 3, 7, 9}, 120).Width, BoxAtDpi({12, 3, 7, 9}, 120).Left - 6);
    constexpr PixelSize main{MainWindowLayout::ClientWidth, MainWindowLayout::ClientHeight};
    EXPECT_EQ(WindowDotsPerInch(main, {8, 27}, {1366, 768}, 96), 86);  // 738 + 27 high
    EXPECT_EQ(WindowDotsPerInch(main, {10, 38}, {1920, 1080}, 144), 121);
    constexpr PixelBox screen{0, 0, 1920, 1080};
    EXPECT_EQ(MoveIntoWorkArea({105, 114, 1165, 986}, screen), (PixelBox{105, 94, 1165, 986}));
    // Moved to a monitor of another resolution, the client area keeps its size on the screen,
    // rounded to the nearest pixel, and comes back to it.
    EXPECT_EQ(ClientAtNewDpi({1132, 824}, 96, 144), (PixelSize{1698, 1236}));
    EXPECT_EQ(ClientAtNewDpi({1001, 3}, 144, 120), (PixelSize{834, 3}));
    EXPECT_EQ(ClientAtNewDpi(ClientAtNewDpi({1133, 825}, 96, 144), 144, 96),
              (PixelSize{1133, 825}));
}

TEST(SheetViewPlace, TheLargestSheetThatFitsWithItsMarginsCentredAsTheWindowsResolution) {
    EXPECT_EQ(PlaceSheetView({1132, 805}), (SheetViewPlace{{5, 5, 1122, 794}, SheetScale(96)}));
    EXPECT_EQ(PlaceSheetView({1698, 1208}), (SheetViewPlace{{7, 8, 1683, 1191}, SheetScale(144)}));
    // Maximised on 3840 x 2160 at 144 dpi: the sheet and its margins fill the height.
    const SheetViewPlace large = PlaceSheetView({3840, 2104});
    EXPECT_EQ(large.Box, (PixelBox{452, 13, 2936, 2078}));
    EXPECT_EQ(large.Scale.HeightToPixels(804), 2104);
    // A click in the middle of the sixth week's first day, (80, 737) at 96 dpi, at 150 %.
    const SheetPixel pixel = SheetPixelUnder(120, 1105, SheetScale(144));
    EXPECT_EQ(GridPlaceAt(pixel.X, pixel.Y).Row, 6);
}

}  // namespace
