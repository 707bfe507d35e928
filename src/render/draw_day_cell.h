#pragma once
// The contents of one day's box: icons, the five text lines and the day number places.

#include <cstdint>
#include <optional>

#include "calendar/month_sheet.h"
#include "platform/clock.h"
#include "render/canvas.h"
#include "render/sheet_geometry.h"

struct ShownDay {
    int Column;        // 0 = Monday .. 6 = Sunday
    CellPoint Origin;  // the cell's origin on the sheet
    std::int16_t Year;
    std::int16_t Month;
    std::int16_t Day;
};

// In the cell of today's date, every line that shows the saint of the day turns red, in the
// record itself: the colour stays after the draw and is saved with the cell. Without a today,
// no cell is marked.
void TodayHighlight(DayCell& cell, const ShownDay& day, const std::optional<LocalDate>& today);

// Draws the cell's contents after its box; applies TodayHighlight first.
void DrawDayCell(Canvas& canvas, DayCell& cell, const ShownDay& day,
                 const std::optional<LocalDate>& today);
