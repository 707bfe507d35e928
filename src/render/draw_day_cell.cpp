#include "render/draw_day_cell.h"

#include <string>
#include <string_view>

#include "calendar/calendar_arithmetic.h"
#include "calendar/saints_table.h"
#include "calendar/text_slot.h"

namespace {

constexpr int TextPoints = 8;
constexpr int CentreNumberPoints = 29;
constexpr int IconSize = 33;

// Icon squares in half pixels from the cell's origin: the left column, the column centred on
// the box as (box width - 16) / 2 and the right column ending on the box's right outline. The
// rows overlap by three pixels.
constexpr int BoxWidth = StandardSheetGeometry().CellWidth;
constexpr int IconColumnHalves[3] = {2 * 10, BoxWidth - 16, 2 * (BoxWidth - 32)};
constexpr int IconRowOffsets[3] = {40, 70, 100};

constexpr int LineX = 10;
constexpr int FirstLineY = 40;
constexpr int LineStep = 20;

// The corner places, tested and printed in this order: top left, bottom left, top right,
// bottom right. The centre number comes last, in its larger font.
struct NumberPlace {
    int X;
    int Y;
};
constexpr NumberPlace CornerPlaces[4] = {{10, 40}, {10, 120}, {135, 40}, {135, 120}};
constexpr int CentreX = 58;
constexpr int CentreY = 65;

void DrawIcons(Canvas& canvas, const DayCell& cell, CellPoint origin) {
    for (int k = 0; k < IconCount; ++k) {
        if (cell.IconShown[k] == 0) continue;
        const int x = RoundHalvesToEven(2 * origin.X + IconColumnHalves[k % 3]);
        const int y = origin.Y + IconRowOffsets[k / 3];
        canvas.DrawIconFile(IconFileOf(cell, k), x, y, IconSize);
    }
}

void DrawLines(Canvas& canvas, const DayCell& cell, const ShownDay& day) {
    for (int k = 0; k < TextLineCount; ++k) {
        canvas.SetTextColor(cell.LineColor[k]);
        canvas.MoveTo(day.Origin.X + LineX, day.Origin.Y + FirstLineY + LineStep * k);
        if (cell.Lines[k].LineIsText == 1) canvas.PrintText(ReadSlot(cell.LineText[k]));
        if (cell.Lines[k].LineIsSaint == 1) canvas.PrintText(SaintOfDay(day.Month, day.Day));
    }
}

void DrawNumbers(Canvas& canvas, const DayCell& cell, const ShownDay& day,
                 const std::string& face) {
    canvas.SetTextColor(day.Column == SundayColumn ? Red : cell.NumberColor);
    const char digits[3] = {static_cast<char>('0' + day.Day / 10 % 10),
                            static_cast<char>('0' + day.Day % 10), '\0'};
    // Read by value: the record is packed, its fields cannot be reached through pointers.
    const std::int32_t cornerFlags[4] = {cell.NumberTopLeft, cell.NumberBottomLeft,
                                         cell.NumberTopRight, cell.NumberBottomRight};
    for (int place = 0; place < 4; ++place) {
        if (cornerFlags[place] != 1) continue;
        canvas.MoveTo(day.Origin.X + CornerPlaces[place].X, day.Origin.Y + CornerPlaces[place].Y);
        canvas.PrintText(digits);
    }
    if (cell.NumberCentre == 1) {
        canvas.SelectFont(face, CentreNumberPoints, true);
        canvas.MoveTo(day.Origin.X + CentreX, day.Origin.Y + CentreY);
        canvas.PrintText(digits);
    }
}

}  // namespace

void TodayHighlight(DayCell& cell, const ShownDay& day, const std::optional<LocalDate>& today) {
    if (!today || *today != LocalDate{day.Year, day.Month, day.Day}) return;
    for (int k = 0; k < TextLineCount; ++k)
        if (cell.Lines[k].LineIsSaint == 1) cell.LineColor[k] = Red;
}

void DrawDayCell(Canvas& canvas, DayCell& cell, const ShownDay& day,
                 const std::optional<LocalDate>& today) {
    DrawIcons(canvas, cell, day.Origin);
    const std::string face = ReadSlot(cell.FontName);
    canvas.SelectFont(face, TextPoints, true);
    TodayHighlight(cell, day, today);
    DrawLines(canvas, cell, day);
    DrawNumbers(canvas, cell, day, face);
}
