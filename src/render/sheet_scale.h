#pragma once
// The sheet is laid out in pixels of a 96-dpi screen. A page printed at another resolution is
// that layout scaled by dotsPerInch / 96: every coordinate, length and pen width of the layout
// becomes the nearest whole pixel at the new resolution (an exact half to the even pixel), and
// fonts take their height from the new resolution.

#include "render/sheet_geometry.h"

inline constexpr int SheetDotsPerInch = 96;

class SheetScale {
  public:
    constexpr SheetScale() = default;
    explicit constexpr SheetScale(int dotsPerInch) : Dots(dotsPerInch) {}

    constexpr int DotsPerInch() const { return Dots; }
    // A coordinate or length of the layout, in pixels at this resolution.
    constexpr int ToPixels(int sheetPixels) const {
        return static_cast<int>(
            RoundRatioHalvesToEven(static_cast<long long>(sheetPixels) * Dots, SheetDotsPerInch));
    }
    // A length measured at this resolution, in pixels of the layout.
    constexpr int ToSheet(int pixels) const {
        return static_cast<int>(
            RoundRatioHalvesToEven(static_cast<long long>(pixels) * SheetDotsPerInch, Dots));
    }
    // Width and height of the whole page.
    constexpr int PageWidth() const { return ToPixels(SheetWidth); }
    constexpr int PageHeight() const { return ToPixels(SheetHeight); }

  private:
    int Dots = SheetDotsPerInch;
};
