#pragma once
// Pixels of a drawn sheet and their encoding as an uncompressed 24-bit bitmap file.

#include <cstdint>
#include <vector>

#include "calendar/month_sheet.h"

// Rows from the top down, Width pixels each; every pixel a colour 0x00BBGGRR.
struct PixelImage {
    int Width = 0;
    int Height = 0;
    std::vector<Color> Pixels;

    Color At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

// What the user is told when the image of a sheet could not be written.
inline constexpr const wchar_t* ImageUnwritableMessage = L"No se ha podido grabar la imagen ...";

// The whole file: a 14-byte file header, a 40-byte information header, then the rows from the
// bottom up as blue, green, red bytes, each row padded with zeros to a multiple of four bytes.
// An image whose pixel count does not match its size, or with no pixels, gives no bytes.
std::vector<std::uint8_t> EncodeBitmapFile(const PixelImage& image);
