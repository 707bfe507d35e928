#pragma once
// An icon file loaded once and drawn many times. DrawIconEx makes a device context of its own
// for every call, which is most of the cost of a redraw with many icons; a SheetIcon keeps the
// icon's images ready and puts the same pixels on the canvas with plain blits:
//   - an icon with an alpha channel is blended from its premultiplied image, as DrawIconEx does;
//   - any other colour icon has its mask ANDed in, then its image XORed;
//   - a monochrome icon is drawn by DrawIconEx itself.

#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32/handles.h"

class SheetIcon {
  public:
    // Null when the file cannot be loaded as an icon of size x size pixels.
    static std::unique_ptr<SheetIcon> Load(const std::wstring& path, int size);

    // Draws at (x, y) on the target; scratch is any memory DC that holds nothing of its own.
    void Draw(HDC target, HDC scratch, int x, int y) const;

  private:
    UniqueIcon Icon;
    int Size = 0;
    UniqueBitmap Premultiplied;  // when the icon has an alpha channel
    UniqueBitmap Mask;           // otherwise: AND mask ...
    UniqueBitmap Image;          // ... and XOR image
};
