#pragma once
// The contents of one day's box: icons, the five text lines and the day number places.

#include "calendar/month_sheet.h"
#include "platform/clock.h"
#include "render/canvas.h"
#include "render/sheet_geometry.h"

struct ShownDay {
    int Column;        // 0 = Monday .. 6 = Sunday
    CellPoint Origin;  // the place's origin on the sheet
    LocalDate Date;
};

// Draws the day's contents after its box. On today's date the lines that show the saint are
// drawn red, whatever colour the day holds.
void DrawDay(Canvas& canvas, const Day& day, const ShownDay& shown, bool isToday);
