#pragma once
// Draws the month sheet: the title, the weekday initials and, for every day of the sheet's
// month, its box and contents. Drawing only reads the document.

#include <cstdint>
#include <string>

#include "calendar/month_sheet.h"
#include "render/canvas.h"

// The month's name, one blank and the year ("Septiembre 2024"), Windows-1252. The window's
// caption and the sheet's title. Empty for a month outside 1..12.
std::string SheetTitle(std::int16_t year, std::int16_t month);

// The sheet on screen and its exported image mark today's date, whose saint lines are drawn
// red; a printed page marks no day.
enum class TodayMarking { Marked, NotMarked };

// Expects a canvas just cleared to white. A sheet whose month lies outside 1..12 has no
// drawing: nothing is drawn.
void DrawMonthSheet(Canvas& canvas, const MonthSheet& sheet,
                    TodayMarking marking = TodayMarking::Marked);
