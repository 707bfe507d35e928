#pragma once
// A page drawn with few colours (text, boxes, a few icons) as a palette and one byte per pixel:
// a third of the bytes of 24-bit pixels, which is what the PNG encoder spends its time on.

#include <cstdint>
#include <optional>
#include <vector>

#include "render/bitmap_file.h"

struct PalettedImage {
    std::vector<Color> Palette;         // at most 256 colours, in order of first appearance
    std::vector<std::uint8_t> Indices;  // one per pixel, rows from the top
};

// Nothing when the image holds more than 256 colours.
std::optional<PalettedImage> PaletteOf(const PixelImage& image);
