#pragma once
// The drawing seam between the sheet's layout rules and the system that puts pixels on an
// image. Every call carries what it needs; texts are Windows-1252 bytes as the document holds
// them. The GDI canvas draws for real; tests record the calls.

#include <string_view>

#include "calendar/month_sheet.h"

class Canvas {
  public:
    virtual ~Canvas() = default;

    // Bold, upright, ANSI character set; the size in points becomes a height from the
    // resolution the sheet is drawn at. Identical requests give back the same font.
    virtual void SelectFont(std::string_view face, int points) = 0;
    virtual void SetTextColor(Color color) = 0;
    // Moves the current text position (the top-left corner of the next character cell).
    virtual void MoveTo(int x, int y) = 0;
    // Prints at the current position with a transparent background, then moves the position to
    // x = 0, one text line (font height + external leading) lower.
    virtual void PrintText(std::string_view text) = 0;
    virtual int TextWidth(std::string_view text) = 0;
    // Hollow, square-cornered box in the given colour and pen width; the outline covers the
    // columns x1 .. x2 - 1 and the rows y1 .. y2 - 1.
    virtual void HollowRectangle(int x1, int y1, int x2, int y2, Color color, int penWidth) = 0;
    // Loads the icon file at size x size pixels and draws it with its top-left corner at (x, y),
    // honouring its mask. A path that names no loadable icon draws nothing.
    virtual void DrawIconFile(std::string_view path, int x, int y, int size) = 0;
};
