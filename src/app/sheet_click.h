#pragma once
// A left click on the shown sheet selects the grid place under the pointer. The divisors are
// the pitch of the drawn boxes (a box and the gap) of the standard sheet geometry: 160 pixels
// across, 103 down; rows are counted from OriginY above the top, less one, so a click above
// y = 68 falls on row -1.

#include <cstdint>

#include "calendar/month_sheet.h"
#include "render/sheet_scale.h"

struct GridPlace {
    int Column;
    int Row;
};

// Column x div column pitch, row (y + OriginY) div row pitch - 1, for pixels from the sheet's
// top-left corner.
GridPlace GridPlaceAt(std::uint16_t x, std::uint16_t y);

// A pixel of the sheet shown at a scale, as the pixel of the 96-dpi sheet under it: a click
// there is a click on that pixel of the sheet.
struct SheetPixel {
    std::uint16_t X;
    std::uint16_t Y;
};
SheetPixel SheetPixelUnder(std::uint16_t x, std::uint16_t y, const SheetScale& shown);

// Makes the place the sheet's selection and tells whether the day editor opens on it: when the
// place shows a day and no editor (or about box) is open. A place outside the grid (column or
// row outside 0..7) is ignored altogether: the selection stays as it was.
bool SelectPlace(MonthSheet& sheet, GridPlace place, bool editorOpen);

// A click: SelectPlace on the place under the pointer.
bool SelectPlaceForClick(MonthSheet& sheet, std::uint16_t x, std::uint16_t y, bool editorOpen);
