#include "render/gdi_canvas_win32.h"

#include <algorithm>
#include <span>

#include "platform/cp1252.h"
#include "platform/win32/fonts.h"

namespace {

int ScreenPixelsPerInchY() {
    const ScreenDc screen;
    return screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
}

// A wider outline stays inside the box and keeps square corners, as the one-pixel one does.
HPEN CreateOutlinePen(Color color, int width) {
    if (width <= 1) return CreatePen(PS_SOLID, width, color);
    const LOGBRUSH brush{BS_SOLID, color, 0};
    return ExtCreatePen(PS_GEOMETRIC | PS_INSIDEFRAME | PS_ENDCAP_SQUARE | PS_JOIN_MITER, width,
                        &brush, 0, nullptr);
}

}  // namespace

GdiCanvas::GdiCanvas(int width, int height)
    : GdiCanvas(width, height, SheetScale(), ScreenPixelsPerInchY()) {}

GdiCanvas::GdiCanvas(SheetScale print)
    : GdiCanvas(print.PageWidth(), print.PageHeight(), print, print.DotsPerInch()) {}

GdiCanvas::GdiCanvas(int width, int height, SheetScale scale, int fontDotsPerInch)
    : Image(width, height),
      IconSource(CreateCompatibleDC(nullptr)),
      Scale(scale),
      PixelsPerInchY(fontDotsPerInch),
      OriginalFont(Image.Dc(), GetCurrentObject(Image.Dc(), OBJ_FONT)),
      OriginalPen(Image.Dc(), GetCurrentObject(Image.Dc(), OBJ_PEN)),
      NullBrush(Image.Dc(), GetStockObject(NULL_BRUSH)) {
    if (!Image || !IconSource) return;
    SetBkMode(Image.Dc(), TRANSPARENT);
    SetTextAlign(Image.Dc(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
    Clear(White);
}

void GdiCanvas::Clear(Color color) {
    Icons.BeginDraw();
    if (!Image) return;
    const RECT whole{0, 0, Image.Width(), Image.Height()};
    const UniqueBrush brush(CreateSolidBrush(color));
    if (brush) FillRect(Image.Dc(), &whole, brush.Get());
}

PixelImage GdiCanvas::ReadPixels() const {
    const std::span<const std::uint32_t> raw = Image.Pixels();
    if (raw.empty()) return {};
    PixelImage image{Image.Width(), Image.Height(), {}};
    image.Pixels.resize(raw.size());
    // Each 32-bit pixel holds 0x00RRGGBB; a colour is 0x00BBGGRR.
    std::transform(raw.begin(), raw.end(), image.Pixels.begin(), [](std::uint32_t pixel) {
        return static_cast<Color>((pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF));
    });
    return image;
}

void GdiCanvas::SelectFont(std::string_view face, int points, bool bold) {
    if (!Image) return;
    FontKey key{std::string(face), points, bold};
    auto found = Fonts.find(key);
    if (found == Fonts.end()) {
        LOGFONTW description =
            DescribeFont(Cp1252ToWide(face), points, bold ? FW_BOLD : FW_NORMAL, PixelsPerInchY);
        // The image leaves the program (a file, a page, a printer): grey smoothing, the same on
        // every PC, never the user's ClearType setting, whose coloured fringes assume the
        // sub-pixel order of the screen it was set for.
        description.lfQuality = ANTIALIASED_QUALITY;
        Font font{UniqueFont(CreateFontIndirectW(&description)), 0};
        if (!font.Handle) return;
        TEXTMETRICW metrics{};
        {
            const SelectedObject measured(Image.Dc(), font.Handle.Get());
            GetTextMetricsW(Image.Dc(), &metrics);
        }
        font.LineHeight = metrics.tmHeight + metrics.tmExternalLeading;
        found = Fonts.emplace(std::move(key), std::move(font)).first;
    }
    if (CurrentFont != &found->second) {
        SelectObject(Image.Dc(), found->second.Handle.Get());
        CurrentFont = &found->second;
    }
}

void GdiCanvas::SetTextColor(Color color) {
    if (Image) ::SetTextColor(Image.Dc(), color);
}

void GdiCanvas::MoveTo(int x, int y) {
    X = Scale.ToPixels(x);
    Y = Scale.ToPixels(y);
}

int GdiCanvas::CurrentLineHeight() {
    if (CurrentFont) return CurrentFont->LineHeight;
    TEXTMETRICW metrics{};
    GetTextMetricsW(Image.Dc(), &metrics);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

void GdiCanvas::PrintText(std::string_view text) {
    if (!Image) return;
    const std::wstring wide = Cp1252ToWide(text);
    TextOutW(Image.Dc(), X, Y, wide.data(), static_cast<int>(wide.size()));
    X = 0;
    Y += CurrentLineHeight();
}

int GdiCanvas::TextWidth(std::string_view text) {
    if (!Image) return 0;
    const std::wstring wide = Cp1252ToWide(text);
    SIZE extent{};
    if (!GetTextExtentPoint32W(Image.Dc(), wide.data(), static_cast<int>(wide.size()), &extent))
        return 0;
    return Scale.ToSheet(extent.cx);
}

void GdiCanvas::HollowRectangle(int x1, int y1, int x2, int y2, Color color, int penWidth) {
    if (!Image) return;
    const int width = Scale.ToPixels(penWidth);
    auto& pen = Pens[{color, width}];
    if (!pen) pen.Reset(CreateOutlinePen(color, width));
    if (!pen) return;
    if (CurrentPen != pen.Get()) {
        SelectObject(Image.Dc(), pen.Get());
        CurrentPen = pen.Get();
    }
    // The null brush stays selected: the box is an outline only.
    Rectangle(Image.Dc(), Scale.ToPixels(x1), Scale.ToPixels(y1), Scale.ToPixels(x2),
              Scale.ToPixels(y2));
}

void GdiCanvas::DrawIconFile(std::string_view path, int x, int y, int size) {
    if (!Image) return;
    // The icon file's best image for the scaled size, as the system picks it.
    if (const SheetIcon* icon = Icons.Get(Cp1252ToWide(path), Scale.ToPixels(size)))
        icon->Draw(Image.Dc(), IconSource.Get(), Scale.ToPixels(x), Scale.ToPixels(y));
}
