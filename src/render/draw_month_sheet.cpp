#include "render/draw_month_sheet.h"

#include <algorithm>
#include <optional>

#include "calendar/calendar_arithmetic.h"
#include "calendar/calendar_names.h"
#include "calendar/text_slot.h"
#include "platform/clock.h"
#include "render/draw_day_cell.h"

namespace {

constexpr int TitlePoints = 42;
constexpr int TitleShiftX = 10;
constexpr int TitleY = -10;
constexpr int InitialPoints = 59;
constexpr int InitialX = 50;
constexpr int InitialY = 30;
constexpr const char* Initials[7] = {"L", "M", "X", "J", "V", "S", "D"};

bool IsMonth(std::int16_t month) {
    return month >= 1 && month <= 12;
}

void PrintCentred(Canvas& canvas, const MonthSheet& sheet, const std::string& title) {
    canvas.SelectFont(ReadSlot(sheet.Cell(0, 0).FontName), TitlePoints, true);
    canvas.SetTextColor(Black);
    const int width = canvas.TextWidth(title);
    // Centred over the sheet, then shifted right; an exact half goes to the even pixel.
    canvas.MoveTo(RoundHalvesToEven(SheetWidth - width + 2 * TitleShiftX), TitleY);
    canvas.PrintText(title);
}

void DrawInitial(Canvas& canvas, const SheetGeometry& geometry, const DayCell& header, int column) {
    canvas.SelectFont(ReadSlot(header.FontName), InitialPoints, true);
    canvas.SetTextColor(column == SundayColumn ? Red : header.NumberColor);
    const CellPoint origin = CellOrigin(geometry, column, 0);
    canvas.MoveTo(origin.X + InitialX, origin.Y + InitialY);
    canvas.PrintText(Initials[column]);
}

void DrawBox(Canvas& canvas, const SheetGeometry& geometry, CellPoint origin) {
    const int x1 = origin.X + geometry.OriginX;
    const int y1 = origin.Y + geometry.OriginY;
    canvas.HollowRectangle(x1, y1, x1 + geometry.CellWidth, y1 + geometry.CellHeight,
                           geometry.GridColor, geometry.PenWidth);
}

// The rectangle stored in the record leaves out the gap and the box's second origin shift.
void RecordCell(DayCell& cell, const SheetGeometry& geometry, int column, int row,
                std::int16_t year, std::int16_t month, std::int16_t day) {
    cell.HasDay = 1;
    cell.Left = static_cast<std::int16_t>(column * geometry.CellWidth + geometry.OriginX);
    cell.Top = static_cast<std::int16_t>(row * geometry.CellHeight + geometry.OriginY);
    cell.Right = static_cast<std::int16_t>((column + 1) * geometry.CellWidth + geometry.OriginX);
    cell.Bottom = static_cast<std::int16_t>((row + 1) * geometry.CellHeight + geometry.OriginY);
    cell.Column = static_cast<std::int16_t>(column);
    cell.Row = static_cast<std::int16_t>(row);
    cell.Year = year;
    cell.Month = month;
    cell.Day = day;
}

}  // namespace

std::string SheetTitle(std::int16_t year, std::int16_t month) {
    if (!IsMonth(month)) return {};
    return MonthName(month) + " " + std::to_string(year);
}

void DrawMonthSheet(Canvas& canvas, const SheetGeometry& geometry, MonthSheet& sheet,
                    std::int16_t year, std::int16_t month, TodayMarking marking) {
    if (!IsMonth(month)) return;
    const std::optional<LocalDate> today =
        marking == TodayMarking::Marked ? std::optional(TodayLocal()) : std::nullopt;
    PrintCentred(canvas, sheet, SheetTitle(year, month));

    // The sheet has cells for seven columns and seven rows only, whatever the counts say.
    const int columns = std::clamp<int>(geometry.ColumnCount, 0, UsedGridSize);
    const int rows = std::clamp<int>(geometry.RowCount, 0, UsedGridSize);
    DayPlacement placement(year, month);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            if (row == 0) {
                DrawInitial(canvas, geometry, sheet.Cell(column, 0), column);
                continue;
            }
            if (!placement.Receives(column)) continue;
            const std::int16_t day = placement.CurrentDay();
            const CellPoint origin = CellOrigin(geometry, column, row);
            DayCell& cell = sheet.Cell(column, row);
            DrawBox(canvas, geometry, origin);
            RecordCell(cell, geometry, column, row, year, month, day);
            DrawDayCell(canvas, cell, ShownDay{column, origin, year, month, day}, today);
            placement.Advance();
        }
}
