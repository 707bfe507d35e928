#include "render/draw_month_sheet.h"

#include "calendar/calendar_arithmetic.h"
#include "calendar/calendar_names.h"
#include "render/draw_day.h"
#include "render/sheet_geometry.h"

namespace {

constexpr int TitlePoints = 42;
constexpr int TitleShiftX = 10;
constexpr int TitleY = -10;
constexpr int InitialPoints = 59;
constexpr int InitialX = 50;
constexpr int InitialY = 30;
constexpr const char* Initials[7] = {"L", "M", "X", "J", "V", "S", "D"};

void PrintCentred(Canvas& canvas, const MonthSheet& sheet, const std::string& title) {
    canvas.SelectFont(sheet.Cell(0, 0).FontName, TitlePoints);
    canvas.SetTextColor(Black);
    const int width = canvas.TextWidth(title);
    // Centred over the sheet, then shifted right; an exact half goes to the even pixel.
    canvas.MoveTo(RoundHalvesToEven(SheetWidth - width + 2 * TitleShiftX), TitleY);
    canvas.PrintText(title);
}

void DrawInitial(Canvas& canvas, const Day& header, int column) {
    canvas.SelectFont(header.FontName, InitialPoints);
    canvas.SetTextColor(column == SundayColumn ? Red : header.NumberColor);
    const CellPoint origin = CellOrigin(column, 0);
    canvas.MoveTo(origin.X + InitialX, origin.Y + InitialY);
    canvas.PrintText(Initials[column]);
}

void DrawBox(Canvas& canvas, GridPlace place) {
    const SheetRect box = DayBox(place);
    canvas.HollowRectangle(box.Left, box.Top, box.Right, box.Bottom, BoxColor, BoxPenWidth);
}

}  // namespace

void DrawMonthSheet(Canvas& canvas, const MonthSheet& sheet, std::optional<LocalDate> today) {
    if (!IsMonth(sheet.Month)) return;
    PrintCentred(canvas, sheet, SheetTitle(sheet.Year, sheet.Month));

    const MonthGrid days = PlaceMonth(sheet.Year, sheet.Month);
    for (int row = 0; row < GridSize; ++row)
        for (int column = 0; column < GridSize; ++column) {
            if (row == 0) {
                DrawInitial(canvas, sheet.Cell(column, 0), column);
                continue;
            }
            const std::int16_t day = days[column][row];
            if (day == 0) continue;
            const CellPoint origin = CellOrigin(column, row);
            const LocalDate date{sheet.Year, sheet.Month, day};
            DrawBox(canvas, {column, row});
            DrawDay(canvas, sheet.Cell(column, row), ShownDay{column, origin, date}, today == date);
        }
}
