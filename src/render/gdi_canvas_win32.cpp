#include "render/gdi_canvas_win32.h"

#include <algorithm>
#include <span>

#include "platform/cp1252.h"
#include "platform/win32/fonts.h"

namespace {

// One selection for the whole drawing: the first object takes the DC's own out, the next ones
// only take each other's place.
void SelectInto(std::optional<SelectedObject>& selection, HDC dc, HGDIOBJ object) {
    if (selection)
        selection->Replace(object);
    else
        selection.emplace(dc, object);
}

}  // namespace

GdiCanvas::GdiCanvas(SheetScale page)
    : GdiCanvas(std::make_unique<MemoryImage>(page.PageWidth(), page.PageHeight()), nullptr, page) {
}

GdiCanvas::GdiCanvas(HDC printer, SheetScale placement) : GdiCanvas(nullptr, printer, placement) {}

GdiCanvas::GdiCanvas(std::unique_ptr<MemoryImage> image, HDC printer, SheetScale scale)
    : Image(std::move(image)),
      Target(Image ? (*Image ? Image->Dc() : nullptr) : printer),
      IconSource(CreateCompatibleDC(nullptr)),
      Scale(scale),
      Icons(Image ? IconSurface::Image : IconSurface::Printer) {
    if (!IconSource) Target = nullptr;
    if (!Target) return;
    SetBkMode(Target, TRANSPARENT);
    SetTextAlign(Target, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    Clear(White);
}

void GdiCanvas::Clear(Color color) {
    Icons.BeginDraw();
    if (!Image || !Target) return;
    const RECT whole{0, 0, Image->Width(), Image->Height()};
    const UniqueBrush brush(CreateSolidBrush(color));
    if (brush) FillRect(Target, &whole, brush.Get());
}

PixelImage GdiCanvas::ReadPixels() const {
    if (!Image) return {};
    const std::span<const std::uint32_t> raw = Image->Pixels();
    if (raw.empty()) return {};
    PixelImage image{Image->Width(), Image->Height(), {}};
    image.Pixels.resize(raw.size());
    // Each 32-bit pixel holds 0x00RRGGBB; a colour is 0x00BBGGRR.
    std::transform(raw.begin(), raw.end(), image.Pixels.begin(), [](std::uint32_t pixel) {
        return static_cast<Color>((pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF));
    });
    return image;
}

void GdiCanvas::SelectFont(std::string_view face, int points) {
    if (!Target) return;
    FontKey key{std::string(face), points};
    auto found = Fonts.find(key);
    if (found == Fonts.end()) {
        LOGFONTW description =
            DescribeFontOfHeight(Cp1252ToWide(face), Scale.FontHeight(points), FW_BOLD);
        // The image leaves the program (a file, a page, a printer): grey smoothing, the same on
        // every PC, never the user's ClearType setting, whose coloured fringes assume the
        // sub-pixel order of the screen it was set for.
        description.lfQuality = ANTIALIASED_QUALITY;
        Font font{UniqueFont(CreateFontIndirectW(&description)), 0};
        if (!font.Handle) return;
        TEXTMETRICW metrics{};
        {
            const SelectedObject measured(Target, font.Handle.Get());
            GetTextMetricsW(Target, &metrics);
        }
        font.LineHeight = metrics.tmHeight + metrics.tmExternalLeading;
        found = Fonts.emplace(std::move(key), std::move(font)).first;
    }
    if (CurrentFont != &found->second) {
        CurrentFont = &found->second;
        SelectInto(FontSelection, Target, CurrentFont->Handle.Get());
    }
}

void GdiCanvas::SetTextColor(Color color) {
    if (Target) ::SetTextColor(Target, color);
}

void GdiCanvas::MoveTo(int x, int y) {
    X = Scale.ToPixelsX(x);
    Y = Scale.ToPixelsY(y);
}

int GdiCanvas::CurrentLineHeight() {
    if (CurrentFont) return CurrentFont->LineHeight;
    TEXTMETRICW metrics{};
    GetTextMetricsW(Target, &metrics);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

void GdiCanvas::PrintText(std::string_view text) {
    if (!Target) return;
    const std::wstring wide = Cp1252ToWide(text);
    TextOutW(Target, X, Y, wide.data(), static_cast<int>(wide.size()));
    X = Scale.ToPixelsX(0);
    Y += CurrentLineHeight();
}

int GdiCanvas::TextWidth(std::string_view text) {
    if (!Target) return 0;
    const std::wstring wide = Cp1252ToWide(text);
    SIZE extent{};
    if (!GetTextExtentPoint32W(Target, wide.data(), static_cast<int>(wide.size()), &extent))
        return 0;
    return Scale.WidthToSheet(extent.cx);
}

void GdiCanvas::HollowRectangle(int x1, int y1, int x2, int y2, Color color, int penWidth) {
    if (!Target) return;
    auto& brush = Brushes[color];
    if (!brush) brush.Reset(CreateSolidBrush(color));
    if (!brush) return;
    if (CurrentBrush != brush.Get()) {
        CurrentBrush = brush.Get();
        SelectInto(BrushSelection, Target, CurrentBrush);
    }
    // Four bands inside the box, each as thick as the pen along its own axis, so the outline
    // keeps its width on paper where a printer's two resolutions differ.
    const int left = Scale.ToPixelsX(x1), top = Scale.ToPixelsY(y1);
    const int right = Scale.ToPixelsX(x2), bottom = Scale.ToPixelsY(y2);
    const int across = Scale.WidthToPixels(penWidth), down = Scale.HeightToPixels(penWidth);
    PatBlt(Target, left, top, right - left, down, PATCOPY);
    PatBlt(Target, left, bottom - down, right - left, down, PATCOPY);
    PatBlt(Target, left, top, across, bottom - top, PATCOPY);
    PatBlt(Target, right - across, top, across, bottom - top, PATCOPY);
}

void GdiCanvas::DrawIconFile(std::string_view path, int x, int y, int size) {
    if (!Target) return;
    const int left = Scale.ToPixelsX(x), top = Scale.ToPixelsY(y);
    const RECT place{left, top, left + Scale.WidthToPixels(size), top + Scale.HeightToPixels(size)};
    // The icon file's best image for the scaled size, as the system picks it.
    const int side = std::max(place.right - place.left, place.bottom - place.top);
    if (const SheetIcon* icon = Icons.Get(Cp1252ToWide(path), side))
        icon->Draw(Target, IconSource.Get(), place);
}
