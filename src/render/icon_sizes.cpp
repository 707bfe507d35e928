#include "render/icon_sizes.h"

int IconLoadSize(const std::vector<std::uint8_t>& fileStart, int wanted) {
    const auto u16 = [&](std::size_t at) { return fileStart[at] | fileStart[at + 1] << 8; };
    if (fileStart.size() < 6 || u16(0) != 0 || u16(2) != 1) return wanted;
    const std::size_t count = static_cast<std::size_t>(u16(4));
    int larger = 0, largest = 0;
    for (std::size_t k = 0; k < count && 6 + 16 * (k + 1) <= fileStart.size(); ++k) {
        const int width = fileStart[6 + 16 * k] ? fileStart[6 + 16 * k] : 256;
        const int height = fileStart[7 + 16 * k] ? fileStart[7 + 16 * k] : 256;
        if (width != height) continue;
        if (width >= wanted && (larger == 0 || width < larger)) larger = width;
        if (width > largest) largest = width;
    }
    return larger ? larger : largest ? largest : wanted;
}
