#pragma once
// The sheet is laid out in pixels of a 96-dpi screen. Drawn anywhere else (a page exported at
// another resolution, a printer's page) it is that layout scaled along each axis by a ratio of
// whole numbers and placed with its top-left corner at an origin: every coordinate, length and
// pen width of the layout becomes the nearest whole pixel (an exact half to the even pixel), and
// fonts take their height from the vertical scale.

#include "render/sheet_geometry.h"

inline constexpr int SheetDotsPerInch = 96;

// Pixels of the device for every SheetPixels pixels of the layout, along one axis; both positive.
struct AxisRatio {
    long long Pixels;
    long long SheetPixels;

    // A length of the layout in pixels of the device.
    constexpr int ToPixels(int sheetPixels) const {
        return static_cast<int>(RoundRatioHalvesToEven(sheetPixels * Pixels, SheetPixels));
    }
    // A length measured on the device in pixels of the layout.
    constexpr int ToSheet(int pixels) const {
        return static_cast<int>(RoundRatioHalvesToEven(pixels * SheetPixels, Pixels));
    }
    // The same ratio, however written.
    constexpr bool operator==(const AxisRatio& other) const {
        return Pixels * other.SheetPixels == other.Pixels * SheetPixels;
    }
};

class SheetScale {
  public:
    constexpr SheetScale() = default;
    // A page of the whole sheet at this resolution.
    explicit constexpr SheetScale(int dotsPerInch)
        : X{dotsPerInch, SheetDotsPerInch}, Y{dotsPerInch, SheetDotsPerInch} {}
    // Each axis scaled by its own ratio, the sheet's top-left corner at (originX, originY).
    constexpr SheetScale(AxisRatio x, AxisRatio y, int originX, int originY)
        : X(x), Y(y), OriginX(originX), OriginY(originY) {}

    // A point of the layout, in pixels of the device.
    constexpr int ToPixelsX(int x) const { return OriginX + X.ToPixels(x); }
    constexpr int ToPixelsY(int y) const { return OriginY + Y.ToPixels(y); }
    // A length of the layout (a pen width, an icon's side) along each axis.
    constexpr int WidthToPixels(int width) const { return X.ToPixels(width); }
    constexpr int HeightToPixels(int height) const { return Y.ToPixels(height); }
    // A width or height measured on the device (a text's, a click's), in pixels of the layout.
    constexpr int WidthToSheet(int pixels) const { return X.ToSheet(pixels); }
    constexpr int HeightToSheet(int pixels) const { return Y.ToSheet(pixels); }
    // The character height of a font of this size: points / 72 of the layout's inch, on the
    // vertical scale, rounded as MulDiv rounds (an exact half up), as the screen's fonts are.
    constexpr int FontHeight(int points) const {
        const long long numerator = 2LL * points * SheetDotsPerInch * Y.Pixels + 72 * Y.SheetPixels;
        return static_cast<int>(numerator / (2 * 72 * Y.SheetPixels));
    }
    // Width and height of the whole sheet.
    constexpr int PageWidth() const { return WidthToPixels(SheetWidth); }
    constexpr int PageHeight() const { return HeightToPixels(SheetHeight); }

    constexpr bool operator==(const SheetScale&) const = default;

  private:
    AxisRatio X{1, 1};
    AxisRatio Y{1, 1};
    int OriginX = 0;
    int OriginY = 0;
};
