#pragma once
// A left click on the shown sheet opens the day editor on the place under the pointer. The
// divisors are the pitch of the drawn boxes (a box and the gap): 160 pixels across, 103 down;
// rows are counted from the grid's origin above the top, less one, so a click above y = 68
// falls on row -1.

#include <cstdint>
#include <optional>

#include "calendar/month_sheet.h"
#include "render/sheet_scale.h"

// Column x div column pitch, row (y + grid origin) div row pitch - 1, for pixels from the
// sheet's top-left corner.
GridPlace GridPlaceAt(std::uint16_t x, std::uint16_t y);

// A pixel of the sheet shown at a scale, as the pixel of the 96-dpi sheet under it: a click
// there is a click on that pixel of the sheet.
struct SheetPixel {
    std::uint16_t X;
    std::uint16_t Y;
};
SheetPixel SheetPixelUnder(std::uint16_t x, std::uint16_t y, const SheetScale& shown);

// The place to open the day editor on, chosen by a click or the keyboard: the place when it
// shows a day of the sheet's month and no editor (or about box) is open; nothing otherwise.
std::optional<GridPlace> DayPlaceToOpen(const MonthSheet& sheet, GridPlace place, bool editorOpen);
