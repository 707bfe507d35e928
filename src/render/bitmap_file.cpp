#include "render/bitmap_file.h"

#include <cstddef>
#include <limits>

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t PixelDataOffset = FileHeaderSize + InfoHeaderSize;

class ByteWriter {
  public:
    explicit ByteWriter(std::vector<std::uint8_t>& bytes) : Bytes(bytes) {}
    void U16(std::uint16_t value) {
        Bytes.push_back(static_cast<std::uint8_t>(value));
        Bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void U32(std::uint32_t value) {
        U16(static_cast<std::uint16_t>(value));
        U16(static_cast<std::uint16_t>(value >> 16));
    }

  private:
    std::vector<std::uint8_t>& Bytes;
};

}  // namespace

std::vector<std::uint8_t> EncodeBitmapFile(const PixelImage& image) {
    if (image.Width <= 0 || image.Height <= 0) return {};
    const std::size_t width = static_cast<std::size_t>(image.Width);
    const std::size_t height = static_cast<std::size_t>(image.Height);
    if (image.Pixels.size() != width * height) return {};
    const std::size_t rowSize = (width * 3 + 3) / 4 * 4;
    const std::size_t fileSize = PixelDataOffset + rowSize * height;
    if (fileSize > std::numeric_limits<std::uint32_t>::max()) return {};

    std::vector<std::uint8_t> bytes;
    bytes.reserve(fileSize);
    ByteWriter out(bytes);
    bytes.push_back('B');
    bytes.push_back('M');
    out.U32(static_cast<std::uint32_t>(fileSize));
    out.U32(0);  // reserved
    out.U32(PixelDataOffset);
    out.U32(InfoHeaderSize);
    out.U32(static_cast<std::uint32_t>(image.Width));
    out.U32(static_cast<std::uint32_t>(image.Height));   // positive: the bottom row comes first
    out.U16(1);                                          // planes
    out.U16(24);                                         // bits per pixel
    for (int field = 0; field < 6; ++field) out.U32(0);  // no compression, sizes, resolutions

    for (std::size_t row = height; row-- > 0;) {
        const Color* pixel = image.Pixels.data() + row * width;
        for (std::size_t x = 0; x < width; ++x) {
            bytes.push_back(static_cast<std::uint8_t>(pixel[x] >> 16));  // blue
            bytes.push_back(static_cast<std::uint8_t>(pixel[x] >> 8));   // green
            bytes.push_back(static_cast<std::uint8_t>(pixel[x]));        // red
        }
        bytes.resize(bytes.size() + rowSize - width * 3, 0);
    }
    return bytes;
}
