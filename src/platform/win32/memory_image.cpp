#include "platform/win32/memory_image.h"

namespace {

UniqueBitmap TopDownDibSection(int width, int height, void*& bits) {
    const BITMAPINFO info = TopDownBitmapInfo(width, height);
    return UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
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
      Bitmap(TopDownDibSection(width, height, Bits)),
      Selection(Memory.Get(), Bitmap.Get()) {}

std::span<const std::uint32_t> MemoryImage::Pixels() const {
    if (!*this) return {};
    // GDI may still hold drawing calls in its batch; the bits are only complete after a flush.
    GdiFlush();
    return {static_cast<const std::uint32_t*>(Bits),
            static_cast<std::size_t>(ImageWidth) * ImageHeight};
}
