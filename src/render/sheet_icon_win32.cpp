#include "render/sheet_icon_win32.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/win32/memory_image.h"
#include "render/icon_sizes.h"

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

// The icon drawn by the system over a background of one colour, as 0x00RRGGBB pixels; empty
// when it cannot be drawn.
std::vector<std::uint32_t> IconOver(HDC scratch, HICON icon, int size, std::uint32_t background) {
    BITMAPINFO info = TopDownBitmapInfo(size, size);
    void* bits = nullptr;
    const UniqueBitmap bitmap(CreateDIBSection(scratch, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return {};
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const std::size_t count = static_cast<std::size_t>(size) * size;
    std::fill_n(pixels, count, background);
    const SelectedObject into(scratch, bitmap.Get());
    if (!DrawIconEx(scratch, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL)) return {};
    GdiFlush();
    std::vector<std::uint32_t> result(pixels, pixels + count);
    for (std::uint32_t& pixel : result) pixel &= 0x00FFFFFF;
    return result;
}

// The first bytes of the file, as many as an icon directory can take; fewer for a shorter file,
// none when it cannot be read.
std::vector<std::uint8_t> FileStart(const std::wstring& path) {
    const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::vector<std::uint8_t> bytes(IconDirectoryBytes);
    DWORD read = 0;
    if (!file ||
        !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        read = 0;
    bytes.resize(read);
    return bytes;
}

}  // namespace

std::unique_ptr<SheetIcon> SheetIcon::Load(const std::wstring& path, int size,
                                           IconSurface surface) {
    if (surface == IconSurface::Printer) size = IconLoadSize(FileStart(path), size);
    UniqueIcon icon(static_cast<HICON>(
        LoadImageW(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
    if (!icon) return nullptr;
    auto result = std::unique_ptr<SheetIcon>(new SheetIcon);
    result->Icon = std::move(icon);
    result->Size = size;
    if (surface == IconSurface::Printer) {
        const UniqueDc scratch(CreateCompatibleDC(nullptr));
        if (!scratch || !result->PrepareForPrinter(scratch.Get())) return nullptr;
        return result;
    }

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

bool SheetIcon::PrepareForPrinter(HDC scratch) {
    OverWhite = IconOver(scratch, Icon.Get(), Size, 0x00FFFFFF);
    const std::vector<std::uint32_t> overBlack = IconOver(scratch, Icon.Get(), Size, 0);
    if (OverWhite.empty() || overBlack.empty()) return false;
    // Transparent where the background shows through unchanged, white and black alike.
    const auto opaque = [&](int x, int y) {
        const std::size_t at = static_cast<std::size_t>(y) * Size + x;
        return OverWhite[at] != 0x00FFFFFF || overBlack[at] != 0;
    };
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size;) {
            if (!opaque(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < Size && opaque(x, y)) ++x;
            Shape.push_back({start, y, x, y + 1});
        }
    return true;
}

void SheetIcon::Print(HDC printer, const RECT& place) const {
    if (Shape.empty()) return;
    const int width = place.right - place.left, height = place.bottom - place.top;
    std::vector<std::byte> region(sizeof(RGNDATAHEADER) + Shape.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(region.data());
    data->rdh = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(Shape.size()), 0, place};
    auto* rectangles = reinterpret_cast<RECT*>(data->Buffer);
    for (const RECT& run : Shape)
        *rectangles++ = {place.left + MulDiv(run.left, width, Size),
                         place.top + MulDiv(run.top, height, Size),
                         place.left + MulDiv(run.right, width, Size),
                         place.top + MulDiv(run.bottom, height, Size)};
    const UniqueRegion shape(ExtCreateRegion(nullptr, static_cast<DWORD>(region.size()), data));
    if (!shape) return;
    const int saved = SaveDC(printer);
    // A clip region is in device units, which are the printer DC's drawing units.
    if (SelectClipRgn(printer, shape.Get()) != ERROR) {
        const BITMAPINFO info = TopDownBitmapInfo(Size, Size);
        StretchDIBits(printer, place.left, place.top, width, height, 0, 0, Size, Size,
                      OverWhite.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    }
    RestoreDC(printer, saved);
}

void SheetIcon::Draw(HDC target, HDC scratch, const RECT& place) const {
    const int x = place.left, y = place.top;
    if (!OverWhite.empty()) {
        Print(target, place);
    } else if (Premultiplied) {
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
