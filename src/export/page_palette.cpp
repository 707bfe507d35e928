#include "export/page_palette.h"

#include <unordered_map>

std::optional<PalettedImage> PaletteOf(const PixelImage& image) {
    constexpr std::size_t MaximumColours = 256;
    PalettedImage paletted;
    paletted.Indices.resize(image.Pixels.size());
    std::unordered_map<Colour, std::uint8_t> indexOf;
    // Neighbouring pixels mostly share their colour: the last one found is tried first.
    Colour last = 0;
    std::uint8_t lastIndex = 0;
    bool any = false;
    for (std::size_t k = 0; k < image.Pixels.size(); ++k) {
        const Colour colour = image.Pixels[k];
        if (!any || colour != last) {
            auto found = indexOf.find(colour);
            if (found == indexOf.end()) {
                if (paletted.Palette.size() == MaximumColours) return std::nullopt;
                found = indexOf.emplace(colour, static_cast<std::uint8_t>(paletted.Palette.size()))
                            .first;
                paletted.Palette.push_back(colour);
            }
            last = colour;
            lastIndex = found->second;
            any = true;
        }
        paletted.Indices[k] = lastIndex;
    }
    return paletted;
}
