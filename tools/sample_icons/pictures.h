#pragma once
// The sample icons that come with the program: small pictures described as coloured shapes and
// rasterised with antialiased edges, so the icon files can be made again from source at any time.

#include <cstdint>
#include <string>
#include <vector>

struct SampleIcon {
    std::string FileName;  // "apple.ico"
    // 0xAARRGGBB of the pixel (x, y) of a Size x Size image, top row first.
    std::vector<std::uint32_t> Pixels;
};

inline constexpr int SampleIconSize = 32;

std::vector<SampleIcon> DrawSampleIcons();
