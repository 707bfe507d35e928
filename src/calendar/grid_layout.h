#pragma once
// Where the places of the day grid stand, in pixels of the 96-dpi sheet: boxes of 159 x 102
// pixels, one pixel apart, the grid starting at (1, 35). The drawing puts the boxes there and the
// focus mark inside them, a click finds its place by their pitch, and a work file stores every
// shown day's box as its own format has it.

#include "calendar/month_sheet.h"

namespace GridLayout {
inline constexpr int BoxWidth = 159;
inline constexpr int BoxHeight = 102;
inline constexpr int Gap = 1;
inline constexpr int OriginX = 1;
inline constexpr int OriginY = 35;
// From one place to the next: a box and the gap.
inline constexpr int ColumnPitch = BoxWidth + Gap;
inline constexpr int RowPitch = BoxHeight + Gap;
}  // namespace GridLayout

// The top-left corner of the place of (column, row); offsets inside a place start here. A day's
// box stands one grid origin further right and down.
struct CellPoint {
    int X;
    int Y;
};
constexpr CellPoint CellOrigin(int column, int row) {
    using namespace GridLayout;
    return {column * ColumnPitch + OriginX, row * RowPitch + OriginY};
}

// A rectangle of the sheet covering the columns Left .. Right - 1 and the rows Top .. Bottom - 1.
struct SheetRect {
    int Left;
    int Top;
    int Right;
    int Bottom;
};

// The outline of the day's box drawn at a place of the grid.
constexpr SheetRect DayBox(GridPlace place) {
    using namespace GridLayout;
    const CellPoint origin = CellOrigin(place.Column, place.Row);
    const int left = origin.X + OriginX;
    const int top = origin.Y + OriginY;
    return {left, top, left + BoxWidth, top + BoxHeight};
}
