#pragma once
// An off-screen image (a MemoryImage) of the pixel size its owner gives, drawn through the Canvas
// seam with GDI. Fonts and pens are created once and kept for the canvas's life; icons are kept
// while their files stay unchanged.

#include <windows.h>

#include <compare>
#include <map>
#include <string>
#include <utility>

#include "platform/win32/handles.h"
#include "platform/win32/memory_image.h"
#include "render/bitmap_file.h"
#include "render/canvas.h"
#include "render/icon_cache_win32.h"
#include "render/sheet_scale.h"

class GdiCanvas final : public Canvas {
  public:
    // If the system refuses the bitmap, drawing does nothing and ReadPixels gives an empty image.
    // On screen: drawing coordinates are the image's pixels; fonts take the screen's resolution.
    GdiCanvas(int width, int height);
    // A printed page of the whole sheet: every coordinate, length and pen width drawn is the
    // 96-dpi sheet's, scaled to the page's resolution, and fonts take that resolution.
    explicit GdiCanvas(SheetScale print);
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    // The memory device context with the sheet's bitmap selected, for copying to a window.
    HDC Dc() const { return Image.Dc(); }
    // Fills the whole image and starts a new draw: icon files are looked at again once in
    // every draw, so a draw must begin here.
    void Clear(Color color = White);
    // The image's pixels, rows from the top; Width 0 when they cannot be read.
    PixelImage ReadPixels() const;

    void SelectFont(std::string_view face, int points, bool bold) override;
    void SetTextColor(Color color) override;
    void MoveTo(int x, int y) override;
    void PrintText(std::string_view text) override;
    int TextWidth(std::string_view text) override;
    void HollowRectangle(int x1, int y1, int x2, int y2, Color color, int penWidth) override;
    void DrawIconFile(std::string_view path, int x, int y, int size) override;

  private:
    GdiCanvas(int width, int height, SheetScale scale, int fontDotsPerInch);

    struct FontKey {
        std::string Face;
        int Points;
        bool Bold;
        auto operator<=>(const FontKey&) const = default;
    };
    struct Font {
        UniqueFont Handle;
        int LineHeight;  // character height + external leading
    };
    int CurrentLineHeight();

    // Declared first so that it is deleted last, after the objects it holds were selected out.
    MemoryImage Image;
    UniqueDc IconSource;  // holds each icon's images while they are copied
    SheetScale Scale;
    int PixelsPerInchY;

    std::map<FontKey, Font> Fonts;
    const Font* CurrentFont = nullptr;
    std::map<std::pair<Color, int>, UniquePen> Pens;
    HPEN CurrentPen = nullptr;
    IconCache Icons;
    int X = 0;
    int Y = 0;

    // Declared last so that the DC's own font, pen and brush are selected back before the fonts
    // and pens above are deleted. The font and pen stay selected until a draw asks for others.
    SelectedObject OriginalFont;
    SelectedObject OriginalPen;
    SelectedObject NullBrush;  // outlines only
};
