#pragma once
// An off-screen image: a bitmap compatible with the screen, selected into a memory device context
// of its own for the image's whole life. The picture boxes of dialogs and the GDI canvas draw
// into one.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/win32/handles.h"

// The header of a 32-bit top-down device-independent bitmap (rows from the top, no compression).
BITMAPINFO TopDownBitmapInfo(int width, int height);

class MemoryImage {
  public:
    // If the system refuses the bitmap, the image is empty (false) and drawing into it does
    // nothing.
    MemoryImage(int width, int height);

    explicit operator bool() const { return Memory && Bitmap; }
    HDC Dc() const { return Memory.Get(); }
    int Width() const { return ImageWidth; }
    int Height() const { return ImageHeight; }

    // The pixels as 0x00RRGGBB, rows from the top; empty when they cannot be read.
    std::vector<std::uint32_t> ReadPixels() const;

  private:
    int ImageWidth;
    int ImageHeight;
    UniqueDc Memory;
    UniqueBitmap Bitmap;
    SelectedObject Selection;  // last, so that the bitmap is selected out before it is deleted
};
