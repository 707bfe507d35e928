#pragma once
// An icon file loaded once and drawn many times. DrawIconEx makes a device context of its own
// for every call, which is most of the cost of a redraw with many icons; a SheetIcon keeps the
// icon's images ready and puts the same pixels on an image with plain blits:
//   - an icon with an alpha channel is blended from its premultiplied image, as DrawIconEx does;
//   - any other colour icon has its mask ANDed in, then its image XORed;
//   - a monochrome icon is drawn by DrawIconEx itself.
// A printer need not blend, nor combine with what is already on the page (GetDeviceCaps tells
// SHADEBLENDCAPS and RASTERCAPS printer by printer), but every printer clips and copies. For a
// printer, the icon is read at a size its file offers (IconLoadSize), kept as it looks over
// white and as the shape where it is not transparent, and copied onto the page, scaled by the
// printer, through a clip region of that shape.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/handles.h"

enum class IconSurface { Image, Printer };

class SheetIcon {
  public:
    // Null when the file cannot be loaded as an icon for size x size pixels.
    static std::unique_ptr<SheetIcon> Load(const std::wstring& path, int size, IconSurface surface);

    // Draws into the place on the target, a square of the loaded size on an image, any
    // rectangle on a printer; scratch is any memory DC that holds nothing of its own.
    void Draw(HDC target, HDC scratch, const RECT& place) const;

  private:
    bool PrepareForPrinter(HDC scratch);
    void Print(HDC printer, const RECT& place) const;

    UniqueIcon Icon;
    int Size = 0;
    UniqueBitmap Premultiplied;  // when the icon has an alpha channel
    UniqueBitmap Mask;           // otherwise: AND mask ...
    UniqueBitmap Image;          // ... and XOR image
    // For a printer: the pixels over white, rows from the top, and the rectangles, one pixel
    // high, where the icon is not transparent.
    std::vector<std::uint32_t> OverWhite;
    std::vector<RECT> Shape;
};
