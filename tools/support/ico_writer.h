#pragma once
// Writes icon files for tests and tools: 32-bit images, their colours and transparency given by a
// function of the pixel. A pixel whose alpha is 0 is transparent (its mask bit is set); any other
// alpha is drawn as given. Without an alpha channel every alpha byte is written as 0, and only the
// mask says what is transparent, as in older icon files.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

// 0xAARRGGBB, the order of the file's own pixels.
using IconPixel = std::function<std::uint32_t(int x, int y)>;

// One image of an icon file, as the file holds it: an icon bitmap (IcoBitmap) or a PNG.
struct IcoImage {
    int Width;
    int Height;
    std::vector<std::uint8_t> Bytes;
};

inline void AppendU16(std::vector<std::uint8_t>& bytes, unsigned value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void AppendU32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    AppendU16(bytes, value & 0xFFFF);
    AppendU16(bytes, value >> 16);
}

// The bitmap information header, the colour rows and the mask rows of one image.
inline std::vector<std::uint8_t> IcoBitmap(int width, int height, const IconPixel& pixel,
                                           bool alphaChannel = true) {
    std::vector<std::uint8_t> bytes;
    const std::uint32_t maskRow = (static_cast<std::uint32_t>(width) + 31) / 32 * 4;
    AppendU32(bytes, 40);  // the height counts colour and mask rows
    AppendU32(bytes, static_cast<std::uint32_t>(width));
    AppendU32(bytes, static_cast<std::uint32_t>(2 * height));
    AppendU16(bytes, 1);
    AppendU16(bytes, 32);
    AppendU32(bytes, 0);
    AppendU32(bytes, 4u * width * height + maskRow * height);
    for (int field = 0; field < 4; ++field) AppendU32(bytes, 0);

    for (int y = height - 1; y >= 0; --y)  // colour rows, bottom up, blue green red alpha
        for (int x = 0; x < width; ++x) {
            const std::uint32_t value = pixel(x, y);
            AppendU32(bytes, alphaChannel ? value : (value >> 24 == 0 ? 0 : value & 0xFFFFFF));
        }
    for (int y = height - 1; y >= 0; --y) {  // mask rows: 1 = transparent
        std::vector<std::uint8_t> row(maskRow, 0);
        for (int x = 0; x < width; ++x)
            if ((pixel(x, y) >> 24) == 0) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

inline std::vector<std::uint8_t> IcoFileBytes(const std::vector<IcoImage>& images) {
    std::vector<std::uint8_t> bytes;
    AppendU16(bytes, 0);  // icon directory: reserved, type 1 (icon), the count of images
    AppendU16(bytes, 1);
    AppendU16(bytes, static_cast<unsigned>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const IcoImage& image : images) {
        bytes.push_back(static_cast<std::uint8_t>(image.Width >= 256 ? 0 : image.Width));
        bytes.push_back(static_cast<std::uint8_t>(image.Height >= 256 ? 0 : image.Height));
        bytes.push_back(0);  // no palette
        bytes.push_back(0);
        AppendU16(bytes, 1);   // planes
        AppendU16(bytes, 32);  // bits per pixel
        AppendU32(bytes, static_cast<std::uint32_t>(image.Bytes.size()));
        AppendU32(bytes, offset);  // the images follow the directory, in its order
        offset += static_cast<std::uint32_t>(image.Bytes.size());
    }
    for (const IcoImage& image : images)
        bytes.insert(bytes.end(), image.Bytes.begin(), image.Bytes.end());
    return bytes;
}

inline std::vector<std::uint8_t> IcoFileBytes(int width, int height, const IconPixel& pixel,
                                              bool alphaChannel = true) {
    return IcoFileBytes({{width, height, IcoBitmap(width, height, pixel, alphaChannel)}});
}

inline bool WriteIcoFile(const std::filesystem::path& path, const std::vector<IcoImage>& images) {
    const auto bytes = IcoFileBytes(images);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

inline bool WriteIcoFile(const std::filesystem::path& path, int width, int height,
                         const IconPixel& pixel, bool alphaChannel = true) {
    return WriteIcoFile(path, {{width, height, IcoBitmap(width, height, pixel, alphaChannel)}});
}

// An opaque square of one colour (0x00RRGGBB).
inline bool WriteSolidIcoFile(const std::filesystem::path& path, int size, std::uint32_t rgb) {
    return WriteIcoFile(path, size, size, [rgb](int, int) { return 0xFF000000u | rgb; });
}
