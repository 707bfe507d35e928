#pragma once
// Draws the month sheet: the title, the weekday initials and, for every day of the sheet's
// month, its box and contents. Drawing only reads the document.

#include <optional>

#include "calendar/month_sheet.h"
#include "platform/clock.h"
#include "render/canvas.h"

// Expects a canvas just cleared to white. The saint lines of today's date are drawn red when the
// sheet shows it: the window, its exported image and a printed page give the clock's date, the
// exporter's pages give none and mark no day. A sheet whose month lies outside 1..12 has no
// drawing: nothing is drawn.
void DrawMonthSheet(Canvas& canvas, const MonthSheet& sheet, std::optional<LocalDate> today);
