#pragma once
// An off-screen image: a 32-bit top-down device-independent bitmap (a DIB section), selected into
// a memory device context of its own for the image's whole life. Unlike a bitmap compatible
// with the screen, it keeps every colour whatever the screen's colour depth (a remote session at
// 16 bits), and its memory is the process's own rather than the system's smaller pool for
// device-dependent bitmaps. The picture boxes of dialogs and the GDI canvas draw into one.

#include <windows.h>

#include <cstdint>
#include <span>

#include "platform/win32/handles.h"

// The header of a 32-bit top-down device-independent bitmap (rows from the top, no compression).
BITMAPINFO TopDownBitmapInfo(int width, int height);

class MemoryImage {
  public:
    // If the system refuses the bitmap, the image is empty (false) and drawing into it does
    // nothing.
    MemoryImage(int width, int height);

    explicit operator bool() const { return Memory && Bitmap && Bits; }
    HDC Dc() const { return Memory.Get(); }
    int Width() const { return ImageWidth; }
    int Height() const { return ImageHeight; }

    // The pixels as 0x00RRGGBB, rows from the top, once the drawing so far is done; empty for
    // an empty image. Valid until the image is drawn into again or destroyed.
    std::span<const std::uint32_t> Pixels() const;

  private:
    int ImageWidth;
    int ImageHeight;
    void* Bits = nullptr;  // the bitmap's pixels, set when the bitmap is made
    UniqueDc Memory;
    UniqueBitmap Bitmap;
    SelectedObject Selection;  // last, so that the bitmap is selected out before it is deleted
};
