#include "icon_files.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/ico_writer.h"

namespace {

void AppendBigEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(value >> shift & 0xFF);
}

// 8-bit RGBA, every row unfiltered, compressed at zlib's best. The committed files hold what
// Debian 12's zlib gives; another deflate may give other bytes of the same image.
std::vector<std::uint8_t> PngBytes(const DrawnImage& image) {
    const auto size = static_cast<std::uint32_t>(image.Size);
    std::vector<std::uint8_t> rows;
    for (std::uint32_t y = 0; y < size; ++y) {
        rows.push_back(0);
        for (std::uint32_t x = 0; x < size; ++x) {
            const std::uint32_t argb = image.Pixels[y * size + x];
            for (int shift : {16, 8, 0, 24}) rows.push_back(argb >> shift & 0xFF);
        }
    }
    uLongf packedSize = compressBound(rows.size());
    std::vector<std::uint8_t> packed(packedSize);
    compress2(packed.data(), &packedSize, rows.data(), rows.size(), Z_BEST_COMPRESSION);
    packed.resize(packedSize);

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto chunk = [&png](const char* kind, const std::vector<std::uint8_t>& data) {
        AppendBigEndian(png, static_cast<std::uint32_t>(data.size()));
        const std::size_t start = png.size();
        png.insert(png.end(), kind, kind + 4);
        png.insert(png.end(), data.begin(), data.end());
        AppendBigEndian(png, crc32(0, png.data() + start, static_cast<uInt>(png.size() - start)));
    };
    std::vector<std::uint8_t> header;
    AppendBigEndian(header, size);
    AppendBigEndian(header, size);
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, not interlaced
    chunk("IHDR", header);
    chunk("IDAT", packed);
    chunk("IEND", {});
    return png;
}

// The icon's images as icon bitmaps, the 256-pixel one as a PNG.
std::vector<IcoImage> IcoImages(const DrawnIcon& icon) {
    std::vector<IcoImage> images;
    for (const DrawnImage& image : icon.Images) {
        const auto pixel = [&image](int x, int y) { return image.Pixels[y * image.Size + x]; };
        images.push_back(
            {image.Size, image.Size,
             image.Size >= 256 ? PngBytes(image) : IcoBitmap(image.Size, image.Size, pixel)});
    }
    return images;
}

}  // namespace

int WriteOrCheckIconFiles(int argc, char** argv, const std::vector<DrawnIcon>& icons) {
    const bool check = argc == 3 && std::string(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: %s [--check] <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[argc - 1];
    if (!check) std::filesystem::create_directories(folder);
    int status = 0;
    for (const DrawnIcon& icon : icons) {
        const std::filesystem::path path = folder / icon.FileName;
        const std::vector<IcoImage> images = IcoImages(icon);
        if (!check) {
            if (!WriteIcoFile(path, images)) {
                std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
                status = 1;
            }
            continue;
        }
        std::ifstream file(path, std::ios::binary);
        const std::vector<char> stored{std::istreambuf_iterator<char>(file), {}};
        const std::vector<std::uint8_t> expected = IcoFileBytes(images);
        if (!std::equal(stored.begin(), stored.end(), expected.begin(), expected.end(),
                        [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; })) {
            std::fprintf(stderr, "%s differs from its drawing: run %s %s\n", path.string().c_str(),
                         argv[0], folder.string().c_str());
            status = 1;
        }
    }
    return status;
}
