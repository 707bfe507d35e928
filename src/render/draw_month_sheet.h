#pragma once
// Draws the month sheet: the title, the weekday initials and, for every day of the sheet's
// month, its box and contents. Drawing only reads the document.

#include <cstdint>
#include <optional>
#include <string>

#include "calendar/month_sheet.h"
#include "platform/clock.h"
#include "render/canvas.h"

// The month's name, one blank and the year ("Septiembre 2024"), Windows-1252. The window's
// caption and the sheet's title. Empty for a month outside 1..12.
std::string SheetTitle(std::int16_t year, std::int16_t month);

// Expects a canvas just cleared to white. The saint lines of today's date are drawn red when the
// sheet shows it: the window, its exported image and a printed page give the clock's date, the
// exporter's pages give none and mark no day. A sheet whose month lies outside 1..12 has no
// drawing: nothing is drawn.
void DrawMonthSheet(Canvas& canvas, const MonthSheet& sheet, std::optional<LocalDate> today);
