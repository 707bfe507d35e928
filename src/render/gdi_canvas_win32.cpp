#include "render/gdi_canvas_win32.h"

#include <algorithm>
#include <vector>

#include "platform/cp1252.h"
#include "platform/win32/fonts.h"

namespace {

int ScreenPixelsPerInchY() {
    const ScreenDc screen;
    return screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
}

}  // namespace

GdiCanvas::GdiCanvas(int width, int height)
    : Image(width, height),
      IconSource(CreateCompatibleDC(nullptr)),
      PixelsPerInchY(ScreenPixelsPerInchY()),
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
    const std::vector<std::uint32_t> raw = Image.ReadPixels();
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
        const LOGFONTW description =
            DescribeFont(Cp1252ToWide(face), points, bold ? FW_BOLD : FW_NORMAL, PixelsPerInchY);
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
    X = x;
    Y = y;
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
    return extent.cx;
}

void GdiCanvas::HollowRectangle(int x1, int y1, int x2, int y2, Color color, int penWidth) {
    if (!Image) return;
    auto& pen = Pens[{color, penWidth}];
    if (!pen) pen.Reset(CreatePen(PS_SOLID, penWidth, color));
    if (!pen) return;
    if (CurrentPen != pen.Get()) {
        SelectObject(Image.Dc(), pen.Get());
        CurrentPen = pen.Get();
    }
    // The null brush stays selected: the box is an outline only.
    Rectangle(Image.Dc(), x1, y1, x2, y2);
}

void GdiCanvas::DrawIconFile(std::string_view path, int x, int y, int size) {
    if (!Image) return;
    if (const SheetIcon* icon = Icons.Get(Cp1252ToWide(path), size))
        icon->Draw(Image.Dc(), IconSource.Get(), x, y);
}
