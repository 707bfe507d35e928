#pragma once
// Draws one month of the month sheet: the title, the weekday initials and, for every day of the
// month, its box and contents. Each cell that shows a day gets its date and rectangle recorded.

#include <cstdint>
#include <string>

#include "calendar/month_sheet.h"
#include "render/canvas.h"
#include "render/sheet_geometry.h"

// The month's name, one blank and the year ("Septiembre 2024"), Windows-1252. The window's
// caption and the sheet's title. Empty for a month outside 1..12.
std::string SheetTitle(std::int16_t year, std::int16_t month);

// The sheet on screen marks today's date (TodayHighlight); a printed page marks no day.
enum class TodayMarking { Marked, NotMarked };

// Expects a canvas just cleared to white; the month names and the saints table must be filled.
// A month outside 1..12 has no sheet: nothing is drawn and no cell is touched.
void DrawMonthSheet(Canvas& canvas, const SheetGeometry& geometry, MonthSheet& sheet,
                    std::int16_t year, std::int16_t month,
                    TodayMarking marking = TodayMarking::Marked);
