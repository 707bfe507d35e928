#include "render/sheet_icon_win32.h"

#include <cstdint>
#include <vector>

namespace {

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The colour image of the icon as 32-bit pixels 0xAARRGGBB; empty when it cannot be read.
std::vector<std::uint32_t> ReadImage(HDC scratch, HBITMAP image, int size) {
    BITMAPINFO info = TopDown32(size, size);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
    if (GetDIBits(scratch, image, 0, size, pixels.data(), &info, DIB_RGB_COLORS) != size) return {};
    return pixels;
}

// Each colour scaled by its alpha, rounded to the nearest value: the form blending expects.
UniqueGdi<HBITMAP> PremultipliedImage(HDC scratch, const std::vector<std::uint32_t>& pixels,
                                      int size) {
    BITMAPINFO info = TopDown32(size, size);
    void* bits = nullptr;
    UniqueGdi<HBITMAP> bitmap(CreateDIBSection(scratch, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return {};
    auto* out = static_cast<std::uint8_t*>(bits);
    for (std::uint32_t pixel : pixels) {
        const std::uint32_t alpha = pixel >> 24;
        for (int channel = 0; channel < 3; ++channel)
            *out++ =
                static_cast<std::uint8_t>(((pixel >> (8 * channel) & 0xFF) * alpha + 127) / 255);
        *out++ = static_cast<std::uint8_t>(alpha);
    }
    GdiFlush();
    return bitmap;
}

class MemoryDc {
  public:
    MemoryDc() : Dc(CreateCompatibleDC(nullptr)) {}
    ~MemoryDc() {
        if (Dc) DeleteDC(Dc);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Dc;
};

}  // namespace

std::unique_ptr<SheetIcon> SheetIcon::Load(const std::wstring& path, int size) {
    UniqueIcon icon(static_cast<HICON>(
        LoadImageW(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
    if (!icon) return nullptr;
    auto result = std::unique_ptr<SheetIcon>(new SheetIcon);
    result->Icon = std::move(icon);
    result->Size = size;

    ICONINFO parts{};
    if (!GetIconInfo(result->Icon.Get(), &parts)) return result;
    UniqueGdi<HBITMAP> image(parts.hbmColor);
    UniqueGdi<HBITMAP> mask(parts.hbmMask);
    BITMAP imageSize{};
    if (!image || !mask || !GetObjectW(image.Get(), sizeof imageSize, &imageSize) ||
        imageSize.bmWidth != size || imageSize.bmHeight != size)
        return result;  // monochrome or unusual: DrawIconEx draws it

    const MemoryDc scratch;
    if (!scratch.Dc) return result;
    const std::vector<std::uint32_t> pixels = ReadImage(scratch.Dc, image.Get(), size);
    if (pixels.empty()) return result;
    bool hasAlpha = false;
    for (std::uint32_t pixel : pixels) hasAlpha |= (pixel >> 24) != 0;
    if (hasAlpha) {
        result->Premultiplied = PremultipliedImage(scratch.Dc, pixels, size);
    } else {
        result->Mask = std::move(mask);
        result->Image = std::move(image);
    }
    return result;
}

void SheetIcon::Draw(HDC target, HDC scratch, int x, int y) const {
    if (Premultiplied) {
        const HGDIOBJ previous = SelectObject(scratch, Premultiplied.Get());
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(target, x, y, Size, Size, scratch, 0, 0, Size, Size, blend);
        SelectObject(scratch, previous);
    } else if (Mask && Image) {
        // The monochrome mask turns into black (0) and white (1) on the way in.
        const COLORREF text = SetTextColor(target, RGB(0, 0, 0));
        const COLORREF background = SetBkColor(target, RGB(255, 255, 255));
        const HGDIOBJ previous = SelectObject(scratch, Mask.Get());
        BitBlt(target, x, y, Size, Size, scratch, 0, 0, SRCAND);
        SelectObject(scratch, Image.Get());
        BitBlt(target, x, y, Size, Size, scratch, 0, 0, SRCINVERT);
        SelectObject(scratch, previous);
        SetTextColor(target, text);
        SetBkColor(target, background);
    } else {
        DrawIconEx(target, x, y, Icon.Get(), Size, Size, 0, nullptr, DI_NORMAL);
    }
}
