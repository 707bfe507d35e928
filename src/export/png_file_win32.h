#pragma once
// PNG encoding through the Windows Imaging Component, with the page's resolution stored so that
// a viewer prints it at its true size. COM must be initialised on the calling thread.

#include <cstdint>
#include <vector>

#include "render/bitmap_file.h"

// The whole PNG file of a 24-bit image; no bytes when it cannot be encoded.
std::vector<std::uint8_t> EncodePngFile(const PixelImage& image, int dotsPerInch);
