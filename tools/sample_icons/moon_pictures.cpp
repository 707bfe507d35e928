#include <algorithm>
#include <cmath>

#include "calendar/moon_icons.h"
#include "pictures.h"
#include "shapes.h"

namespace {

constexpr std::uint32_t Dark = 0x141414, Light = 0xFFFFFF;
constexpr int Sizes[] = {16, 24, 32, 48, 64, 256};

// The lit part of each phase, in the order of MoonIconFiles.
enum class Lit { None, RightHalf, All, LeftHalf };

// The moon as a printed calendar draws it: a disc, dark where the moon is unlit, light inside a
// dark outline where it is lit. Measured in sixteenths of the image and rounded to whole pixels,
// so that the disc's extremes and the outline's edges fall on pixel edges at every size.
Picture Moon(Lit lit, int size) {
    const double unit = size / 16.0, centre = size / 2.0;
    const double radius = std::round(7 * unit), outline = std::max(1.0, std::round(unit));
    Picture picture{{Circle(centre, centre, radius), Dark}};
    Shape light = Circle(centre, centre, radius - outline);
    if (lit == Lit::RightHalf) light = Minus(light, Box(0, 0, centre, size));
    if (lit == Lit::LeftHalf) light = Minus(light, Box(centre, 0, size, size));
    if (lit != Lit::None) picture.push_back({light, Light});
    return picture;
}

}  // namespace

std::vector<DrawnIcon> DrawMoonIcons() {
    std::vector<DrawnIcon> icons;
    for (int phase = 0; phase < 4; ++phase) {
        DrawnIcon icon{std::string(MoonIconFiles[phase]), {}};
        for (int size : Sizes)
            icon.Images.push_back({size, Rasterise(Moon(static_cast<Lit>(phase), size), size)});
        icons.push_back(std::move(icon));
    }
    return icons;
}
