#include "export/page_palette.h"

#include <unordered_map>

std::optional<PalettedImage> PaletteOf(const PixelImage& image) {
    constexpr std::size_t MaximumColors = 256;
    PalettedImage paletted;
    paletted.Indices.resize(image.Pixels.size());
    std::unordered_map<Color, std::uint8_t> indexOf;
    // Neighbouring pixels mostly share their colour: the last one found is tried first.
    Color last = 0;
    std::uint8_t lastIndex = 0;
    bool any = false;
    for (std::size_t k = 0; k < image.Pixels.size(); ++k) {
        const Color color = image.Pixels[k];
        if (!any || color != last) {
            auto found = indexOf.find(color);
            if (found == indexOf.end()) {
                if (paletted.Palette.size() == MaximumColors) return std::nullopt;
                found = indexOf.emplace(color, static_cast<std::uint8_t>(paletted.Palette.size()))
                            .first;
                paletted.Palette.push_back(color);
            }
            last = color;
            lastIndex = found->second;
            any = true;
        }
        paletted.Indices[k] = lastIndex;
    }
    return paletted;
}
