#pragma once
// Writes small icon files for tests and tools: one 32-bit image per file, its colours and
// transparency given by a function of the pixel. A pixel whose alpha is 0 is transparent (its
// mask bit is set); any other alpha is drawn as given. Without an alpha channel every alpha
// byte is written as 0, and only the mask says what is transparent, as in older icon files.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

// 0xAARRGGBB, the order of the file's own pixels.
using IconPixel = std::function<std::uint32_t(int x, int y)>;

inline std::vector<std::uint8_t> IcoFileBytes(int width, int height, const IconPixel& pixel,
                                              bool alphaChannel = true) {
    std::vector<std::uint8_t> bytes;
    auto u16 = [&](unsigned value) {
        bytes.push_back(static_cast<std::uint8_t>(value));
        bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    };
    auto u32 = [&](std::uint32_t value) {
        u16(value & 0xFFFF);
        u16(value >> 16);
    };
    const std::uint32_t maskRow = (static_cast<std::uint32_t>(width) + 31) / 32 * 4;
    const std::uint32_t imageSize = 40 + 4u * width * height + maskRow * height;

    u16(0);  // icon directory: reserved, type 1 (icon), one image
    u16(1);
    u16(1);
    bytes.push_back(static_cast<std::uint8_t>(width >= 256 ? 0 : width));
    bytes.push_back(static_cast<std::uint8_t>(height >= 256 ? 0 : height));
    bytes.push_back(0);  // no palette
    bytes.push_back(0);
    u16(1);   // planes
    u16(32);  // bits per pixel
    u32(imageSize);
    u32(6 + 16);  // the image follows the one directory entry

    u32(40);  // bitmap information header; the height counts colour and mask rows
    u32(static_cast<std::uint32_t>(width));
    u32(static_cast<std::uint32_t>(2 * height));
    u16(1);
    u16(32);
    u32(0);
    u32(4u * width * height + maskRow * height);
    for (int field = 0; field < 4; ++field) u32(0);

    for (int y = height - 1; y >= 0; --y)  // colour rows, bottom up, blue green red alpha
        for (int x = 0; x < width; ++x) {
            const std::uint32_t value = pixel(x, y);
            u32(alphaChannel ? value : (value >> 24 == 0 ? 0 : value & 0xFFFFFF));
        }
    for (int y = height - 1; y >= 0; --y) {  // mask rows: 1 = transparent
        std::vector<std::uint8_t> row(maskRow, 0);
        for (int x = 0; x < width; ++x)
            if ((pixel(x, y) >> 24) == 0) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

inline bool WriteIcoFile(const std::filesystem::path& path, int width, int height,
                         const IconPixel& pixel, bool alphaChannel = true) {
    const auto bytes = IcoFileBytes(width, height, pixel, alphaChannel);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

// An opaque square of one colour (0x00RRGGBB).
inline bool WriteSolidIcoFile(const std::filesystem::path& path, int size, std::uint32_t rgb) {
    return WriteIcoFile(path, size, size, [rgb](int, int) { return 0xFF000000u | rgb; });
}
