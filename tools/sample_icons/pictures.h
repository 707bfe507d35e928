#pragma once
// The icons that come with the program, drawn from source so that their files can be made again
// at any time: the sample icons and the phases of the moon.

#include <cstdint>
#include <string>
#include <vector>

struct DrawnImage {
    int Size;
    // 0xAARRGGBB of the pixel (x, y) of a Size x Size image, top row first.
    std::vector<std::uint32_t> Pixels;
};

struct DrawnIcon {
    std::string FileName;            // "apple.ico"
    std::vector<DrawnImage> Images;  // smallest first
};

std::vector<DrawnIcon> DrawSampleIcons();
std::vector<DrawnIcon> DrawMoonIcons();
