#include "render/bitmap_file.h"

#include <gtest/gtest.h>

#include "render/sheet_geometry.h"

namespace {

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return bytes.at(offset) | bytes.at(offset + 1) << 8 | bytes.at(offset + 2) << 16 |
           static_cast<std::uint32_t>(bytes.at(offset + 3)) << 24;
}
std::uint16_t U16At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes.at(offset) | bytes.at(offset + 1) << 8);
}

TEST(EncodeBitmapFile, SheetSizedImageHasTheFixedHeaders) {
    PixelImage image{SheetWidth, SheetHeight, {}};
    image.Pixels.assign(static_cast<std::size_t>(SheetWidth) * SheetHeight, White);
    const auto bytes = EncodeBitmapFile(image);

    ASSERT_EQ(bytes.size(), 54u + 3368u * 794u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(U32At(bytes, 2), 54u + 3368u * 794u);
    EXPECT_EQ(U32At(bytes, 6), 0u);
    EXPECT_EQ(U32At(bytes, 10), 54u);
    EXPECT_EQ(U32At(bytes, 14), 40u);
    EXPECT_EQ(U32At(bytes, 18), 1122u);
    EXPECT_EQ(U32At(bytes, 22), 794u);
    EXPECT_EQ(U16At(bytes, 26), 1);
    EXPECT_EQ(U16At(bytes, 28), 24);
    for (std::size_t offset = 30; offset < 54; offset += 4) EXPECT_EQ(U32At(bytes, offset), 0u);
    // 1122 white pixels take 3366 bytes; the two padding bytes of every row are zero.
    for (std::size_t row = 0; row < 794; ++row) {
        const std::size_t start = 54 + row * 3368;
        ASSERT_EQ(bytes[start + 3365], 0xFF) << row;
        ASSERT_EQ(bytes[start + 3366], 0) << row;
        ASSERT_EQ(bytes[start + 3367], 0) << row;
    }
}

TEST(EncodeBitmapFile, RowsBottomUpPixelsBlueGreenRedAndPadded) {
    // Two rows of three pixels: 9 bytes, padded to 12.
    const PixelImage image{3,
                           2,
                           {0x00030201, 0x00060504, 0x00090807,  // top row
                            0x00FF0000, 0x0000FF00, 0x000000FF}};
    const auto bytes = EncodeBitmapFile(image);
    ASSERT_EQ(bytes.size(), 54u + 2 * 12);
    EXPECT_EQ(U32At(bytes, 2), 78u);
    const std::vector<std::uint8_t> rows(bytes.begin() + 54, bytes.end());
    EXPECT_EQ(rows, (std::vector<std::uint8_t>{
                        0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0,  // bottom row first
                        3,    2, 1, 6, 5,    4, 9, 8, 7,    0, 0, 0,
                    }));
}

TEST(EncodeBitmapFile, InconsistentImagesGiveNoBytes) {
    EXPECT_TRUE(EncodeBitmapFile(PixelImage{3, 2, std::vector<Color>(5)}).empty());
    EXPECT_TRUE(EncodeBitmapFile(PixelImage{0, 0, {}}).empty());
    EXPECT_TRUE(EncodeBitmapFile(PixelImage{-1, -1, {White}}).empty());
}

}  // namespace
