#include "platform/win32/memory_image.h"

namespace {

UniqueBitmap ScreenCompatibleBitmap(int width, int height) {
    const ScreenDc screen;
    return UniqueBitmap(CreateCompatibleBitmap(screen.Get(), width, height));
}

}  // namespace

BITMAPINFO TopDownBitmapInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

MemoryImage::MemoryImage(int width, int height)
    : ImageWidth(width),
      ImageHeight(height),
      Memory(CreateCompatibleDC(nullptr)),
      Bitmap(ScreenCompatibleBitmap(width, height)),
      Selection(Memory.Get(), Bitmap.Get()) {}

std::vector<std::uint32_t> MemoryImage::ReadPixels() const {
    if (!*this) return {};
    BITMAPINFO info = TopDownBitmapInfo(ImageWidth, ImageHeight);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(ImageWidth) * ImageHeight);
    // A bitmap is read while no device context holds it.
    const SelectedObject original(Memory.Get(), Selection.Previous());
    const int rows =
        GetDIBits(Memory.Get(), Bitmap.Get(), 0, ImageHeight, pixels.data(), &info, DIB_RGB_COLORS);
    if (rows != ImageHeight) return {};
    return pixels;
}
