#pragma once
// The Canvas drawn with GDI: on an off-screen image of its own (a MemoryImage of the sheet at a
// scale), or on a printer's page. Fonts and brushes are
// created once and kept for the canvas's life; icons are kept while their files stay unchanged.

#include <windows.h>

#include <compare>
#include <map>
#include <memory>
#include <optional>
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
    // An image of the whole sheet at a scale: every coordinate, length and pen width drawn is the
    // 96-dpi sheet's, scaled, and fonts take their height from the scale, whatever the screen's
    // resolution. If the system refuses the bitmap, drawing does nothing and ReadPixels gives an
    // empty image.
    explicit GdiCanvas(SheetScale page = SheetScale());
    // Draws on a printer's page, whose device context stays its owner's, at the scale and place
    // given, as on an image at that scale; text is the printer's own. Icons go on the page
    // through a clip region of their shape.
    GdiCanvas(HDC printer, SheetScale placement);
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    SheetScale DrawnScale() const { return Scale; }
    // The device context drawn on: the image's, with its bitmap selected, or the printer's.
    HDC Dc() const { return Target; }
    // Fills the whole image and starts a new draw: icon files are looked at again once in
    // every draw, so a draw on an image must begin here.
    void Clear(Color color = White);
    // The image's pixels, rows from the top; Width 0 when they cannot be read or on a printer.
    PixelImage ReadPixels() const;

    void SelectFont(std::string_view face, int points) override;
    void SetTextColor(Color color) override;
    void MoveTo(int x, int y) override;
    void PrintText(std::string_view text) override;
    int TextWidth(std::string_view text) override;
    void HollowRectangle(int x1, int y1, int x2, int y2, Color color, int penWidth) override;
    void DrawIconFile(std::string_view path, int x, int y, int size) override;

  private:
    GdiCanvas(std::unique_ptr<MemoryImage> image, HDC printer, SheetScale scale);

    struct FontKey {
        std::string Face;
        int Points;
        auto operator<=>(const FontKey&) const = default;
    };
    struct Font {
        UniqueFont Handle;
        int LineHeight;  // character height + external leading
    };
    int CurrentLineHeight();

    // Declared first so that it is deleted last, after the objects it holds were selected out.
    std::unique_ptr<MemoryImage> Image;  // none on a printer
    HDC Target;                          // null when there is nothing to draw on
    UniqueDc IconSource;                 // holds each icon's images while they are copied
    SheetScale Scale;

    std::map<FontKey, Font> Fonts;
    const Font* CurrentFont = nullptr;
    std::map<Color, UniqueBrush> Brushes;
    HBRUSH CurrentBrush = nullptr;
    IconCache Icons;
    int X = 0;
    int Y = 0;

    // The current font and brush stay selected until a draw asks for others: selecting a font
    // costs about as much as drawing a text with it. Declared last, so that the DC's own font and
    // brush are selected back before the fonts and brushes above are deleted.
    std::optional<SelectedObject> FontSelection;
    std::optional<SelectedObject> BrushSelection;
};
