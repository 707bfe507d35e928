#include "render/sheet_icon_win32.h"

#include <cstdint>
#include <vector>

#include "platform/win32/memory_image.h"

namespace {

// The colour image of the icon as 32-bit pixels 0xAARRGGBB; empty when it cannot be read.
std::vector<std::uint32_t> ReadImage(HDC scratch, HBITMAP image, int size) {
    BITMAPINFO info = TopDownBitmapInfo(size, size);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
    if (GetDIBits(scratch, image, 0, size, pixels.data(), &info, DIB_RGB_COLORS) != size) return {};
    return pixels;
}

// Each colour scaled by its alpha, rounded to the nearest value: the form blending expects.
UniqueBitmap PremultipliedImage(HDC scratch, const std::vector<std::uint32_t>& pixels, int size) {
    BITMAPINFO info = TopDownBitmapInfo(size, size);
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(scratch, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
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
    UniqueBitmap image(parts.hbmColor);
    UniqueBitmap mask(parts.hbmMask);
    BITMAP imageSize{};
    if (!image || !mask || !GetObjectW(image.Get(), sizeof imageSize, &imageSize) ||
        imageSize.bmWidth != size || imageSize.bmHeight != size)
        return result;  // monochrome or unusual: DrawIconEx draws it

    const UniqueDc scratch(CreateCompatibleDC(nullptr));
    if (!scratch) return result;
    const std::vector<std::uint32_t> pixels = ReadImage(scratch.Get(), image.Get(), size);
    if (pixels.empty()) return result;
    bool hasAlpha = false;
    for (std::uint32_t pixel : pixels) hasAlpha |= (pixel >> 24) != 0;
    if (hasAlpha) {
        result->Premultiplied = PremultipliedImage(scratch.Get(), pixels, size);
    } else {
        result->Mask = std::move(mask);
        result->Image = std::move(image);
    }
    return result;
}

void SheetIcon::Draw(HDC target, HDC scratch, int x, int y) const {
    if (Premultiplied) {
        const SelectedObject source(scratch, Premultiplied.Get());
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(target, x, y, Size, Size, scratch, 0, 0, Size, Size, blend);
    } else if (Mask && Image) {
        // The monochrome mask turns into black (0) and white (1) on the way in.
        const COLORREF text = SetTextColor(target, RGB(0, 0, 0));
        const COLORREF background = SetBkColor(target, RGB(255, 255, 255));
        {
            const SelectedObject source(scratch, Mask.Get());
            BitBlt(target, x, y, Size, Size, scratch, 0, 0, SRCAND);
        }
        {
            const SelectedObject source(scratch, Image.Get());
            BitBlt(target, x, y, Size, Size, scratch, 0, 0, SRCINVERT);
        }
        SetTextColor(target, text);
        SetBkColor(target, background);
    } else {
        DrawIconEx(target, x, y, Icon.Get(), Size, Size, 0, nullptr, DI_NORMAL);
    }
}
