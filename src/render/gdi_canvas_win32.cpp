#include "render/gdi_canvas_win32.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "platform/cp1252.h"

namespace {

constexpr int BoldWeight = 700;

// A wider outline stays inside the box and keeps square corners, as the one-pixel one does.
HPEN CreateOutlinePen(Color color, int width) {
    if (width <= 1) return CreatePen(PS_SOLID, width, color);
    const LOGBRUSH brush{BS_SOLID, color, 0};
    return ExtCreatePen(PS_GEOMETRIC | PS_INSIDEFRAME | PS_ENDCAP_SQUARE | PS_JOIN_MITER, width,
                        &brush, 0, nullptr);
}

}  // namespace

GdiCanvas::GdiCanvas(int width, int height) : GdiCanvas(width, height, SheetScale(), {}) {}

GdiCanvas::GdiCanvas(int width, int height, SheetScale print)
    : GdiCanvas(width, height, print, print.DotsPerInch()) {}

GdiCanvas::GdiCanvas(int width, int height, SheetScale scale, std::optional<int> fontDotsPerInch)
    : Width(width), Height(height), Scale(scale) {
    const ScreenDc screen;
    if (!screen.Get()) return;
    PixelsPerInchY = fontDotsPerInch.value_or(GetDeviceCaps(screen.Get(), LOGPIXELSY));
    Memory.Reset(CreateCompatibleDC(screen.Get()));
    Bitmap.Reset(CreateCompatibleBitmap(screen.Get(), Width, Height));
    IconSource.Reset(CreateCompatibleDC(screen.Get()));
    if (!Memory || !Bitmap || !IconSource) {
        IconSource.Reset();
        Bitmap.Reset();
        Memory.Reset();
        return;
    }
    OriginalBitmap = SelectObject(Memory.Get(), Bitmap.Get());
    OriginalBrush = SelectObject(Memory.Get(), GetStockObject(NULL_BRUSH));
    OriginalFont = GetCurrentObject(Memory.Get(), OBJ_FONT);
    OriginalPen = GetCurrentObject(Memory.Get(), OBJ_PEN);
    SetBkMode(Memory.Get(), TRANSPARENT);
    SetTextAlign(Memory.Get(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
    Clear(White);
}

GdiCanvas::~GdiCanvas() {
    if (!Memory) return;
    SelectObject(Memory.Get(), OriginalFont);
    SelectObject(Memory.Get(), OriginalPen);
    SelectObject(Memory.Get(), OriginalBrush);
    SelectObject(Memory.Get(), OriginalBitmap);
    // The members now delete the fonts, pens, icons and bitmap, and last the DC itself.
}

void GdiCanvas::Clear(Color color) {
    Icons.BeginDraw();
    if (!Memory) return;
    const RECT whole{0, 0, Width, Height};
    const UniqueGdi<HBRUSH> brush(CreateSolidBrush(color));
    if (brush) FillRect(Memory.Get(), &whole, brush.Get());
}

PixelImage GdiCanvas::ReadPixels() const {
    if (!Memory) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = Width;
    info.bmiHeader.biHeight = -Height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> raw(static_cast<std::size_t>(Width) * Height);

    // The bitmap is read while it is selected out of the DC, then put back.
    SelectObject(Memory.Get(), OriginalBitmap);
    const int rows =
        GetDIBits(Memory.Get(), Bitmap.Get(), 0, Height, raw.data(), &info, DIB_RGB_COLORS);
    SelectObject(Memory.Get(), Bitmap.Get());
    if (rows != Height) return {};

    PixelImage image{Width, Height, {}};
    image.Pixels.resize(raw.size());
    // Each 32-bit pixel holds 0x00RRGGBB; a colour is 0x00BBGGRR.
    std::transform(raw.begin(), raw.end(), image.Pixels.begin(), [](std::uint32_t pixel) {
        return static_cast<Color>((pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF));
    });
    return image;
}

void GdiCanvas::SelectFont(std::string_view face, int points, bool bold) {
    if (!Memory) return;
    FontKey key{std::string(face), points, bold};
    auto found = Fonts.find(key);
    if (found == Fonts.end()) {
        LOGFONTW description{};
        description.lfHeight = -MulDiv(points, PixelsPerInchY, 72);
        description.lfWeight = bold ? BoldWeight : FW_NORMAL;
        description.lfCharSet = ANSI_CHARSET;
        description.lfOutPrecision = OUT_DEFAULT_PRECIS;
        description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        description.lfQuality = DEFAULT_QUALITY;
        description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
        const std::wstring wideFace = Cp1252ToWide(face);
        wcsncpy(description.lfFaceName, wideFace.c_str(), LF_FACESIZE - 1);

        Font font{UniqueGdi<HFONT>(CreateFontIndirectW(&description)), 0};
        if (!font.Handle) return;
        const HGDIOBJ previous = SelectObject(Memory.Get(), font.Handle.Get());
        TEXTMETRICW metrics{};
        GetTextMetricsW(Memory.Get(), &metrics);
        SelectObject(Memory.Get(), previous);
        font.LineHeight = metrics.tmHeight + metrics.tmExternalLeading;
        found = Fonts.emplace(std::move(key), std::move(font)).first;
    }
    if (CurrentFont != &found->second) {
        SelectObject(Memory.Get(), found->second.Handle.Get());
        CurrentFont = &found->second;
    }
}

void GdiCanvas::SetTextColor(Color color) {
    if (Memory) ::SetTextColor(Memory.Get(), color);
}

void GdiCanvas::MoveTo(int x, int y) {
    X = Scale.ToPixels(x);
    Y = Scale.ToPixels(y);
}

int GdiCanvas::CurrentLineHeight() {
    if (CurrentFont) return CurrentFont->LineHeight;
    TEXTMETRICW metrics{};
    GetTextMetricsW(Memory.Get(), &metrics);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

void GdiCanvas::PrintText(std::string_view text) {
    if (!Memory) return;
    const std::wstring wide = Cp1252ToWide(text);
    TextOutW(Memory.Get(), X, Y, wide.data(), static_cast<int>(wide.size()));
    X = 0;
    Y += CurrentLineHeight();
}

int GdiCanvas::TextWidth(std::string_view text) {
    if (!Memory) return 0;
    const std::wstring wide = Cp1252ToWide(text);
    SIZE extent{};
    if (!GetTextExtentPoint32W(Memory.Get(), wide.data(), static_cast<int>(wide.size()), &extent))
        return 0;
    return Scale.ToSheet(extent.cx);
}

void GdiCanvas::HollowRectangle(int x1, int y1, int x2, int y2, Color color, int penWidth) {
    if (!Memory) return;
    const int width = Scale.ToPixels(penWidth);
    auto& pen = Pens[{color, width}];
    if (!pen) pen.Reset(CreateOutlinePen(color, width));
    if (!pen) return;
    if (CurrentPen != pen.Get()) {
        SelectObject(Memory.Get(), pen.Get());
        CurrentPen = pen.Get();
    }
    // The null brush stays selected: the box is an outline only.
    Rectangle(Memory.Get(), Scale.ToPixels(x1), Scale.ToPixels(y1), Scale.ToPixels(x2),
              Scale.ToPixels(y2));
}

void GdiCanvas::DrawIconFile(std::string_view path, int x, int y, int size) {
    if (!Memory) return;
    // The icon file's best image for the scaled size, as the system picks it.
    if (const SheetIcon* icon = Icons.Get(Cp1252ToWide(path), Scale.ToPixels(size)))
        icon->Draw(Memory.Get(), IconSource.Get(), Scale.ToPixels(x), Scale.ToPixels(y));
}
