#include "render/draw_day.h"

#include <string>
#include <string_view>

#include "calendar/calendar_arithmetic.h"
#include "calendar/saints_table.h"

namespace {

constexpr int TextPoints = 8;
constexpr int CentreNumberPoints = 29;
constexpr int IconSize = 33;

// Icon squares in half pixels from the place's origin: the left column, the column centred on
// the box as (box width - 16) / 2 and the right column ending on the box's right outline. The
// rows overlap by three pixels.
constexpr int BoxWidth = GridLayout::BoxWidth;
constexpr int IconColumnHalves[3] = {2 * 10, BoxWidth - 16, 2 * (BoxWidth - 32)};
constexpr int IconRowOffsets[3] = {40, 70, 100};

constexpr int LineX = 10;
constexpr int FirstLineY = 40;
constexpr int LineStep = 20;

// The corner places, tested and printed in this order: top left, bottom left, top right,
// bottom right. The centre number comes last, in its larger font.
struct CornerPlace {
    Flag NumberPlaces::*Shown;
    int X;
    int Y;
};
constexpr CornerPlace CornerPlaces[4] = {{&NumberPlaces::TopLeft, 10, 40},
                                         {&NumberPlaces::BottomLeft, 10, 120},
                                         {&NumberPlaces::TopRight, 135, 40},
                                         {&NumberPlaces::BottomRight, 135, 120}};
constexpr int CentreX = 58;
constexpr int CentreY = 65;

void DrawIcons(Canvas& canvas, const Day& day, CellPoint origin) {
    for (int k = 0; k < IconCount; ++k) {
        if (day.Icons[k].Shown == Flag::Off) continue;
        const int x = RoundHalvesToEven(2 * origin.X + IconColumnHalves[k % 3]);
        const int y = origin.Y + IconRowOffsets[k / 3];
        canvas.DrawIconFile(IconFileOf(day.Icons[k]), x, y, IconSize);
    }
}

void DrawLines(Canvas& canvas, const Day& day, const ShownDay& shown, bool isToday) {
    for (int k = 0; k < TextLineCount; ++k) {
        const DayLine& line = day.Lines[k];
        const bool saint = line.ShowsSaint == Flag::On;
        canvas.SetTextColor(saint && isToday ? Red : line.LineColor);
        canvas.MoveTo(shown.Origin.X + LineX, shown.Origin.Y + FirstLineY + LineStep * k);
        if (line.ShowsText == Flag::On) canvas.PrintText(line.LineText);
        if (saint) canvas.PrintText(SaintOfDay(shown.Date.Month, shown.Date.Day));
    }
}

void DrawNumbers(Canvas& canvas, const Day& day, const ShownDay& shown) {
    canvas.SetTextColor(shown.Column == SundayColumn ? Red : day.NumberColor);
    const int number = shown.Date.Day;
    const char digits[3] = {static_cast<char>('0' + number / 10 % 10),
                            static_cast<char>('0' + number % 10), '\0'};
    for (const CornerPlace& corner : CornerPlaces) {
        if (day.Numbers.*corner.Shown != Flag::On) continue;
        canvas.MoveTo(shown.Origin.X + corner.X, shown.Origin.Y + corner.Y);
        canvas.PrintText(digits);
    }
    if (day.Numbers.Centre == Flag::On) {
        canvas.SelectFont(day.FontName, CentreNumberPoints);
        canvas.MoveTo(shown.Origin.X + CentreX, shown.Origin.Y + CentreY);
        canvas.PrintText(digits);
    }
}

}  // namespace

void DrawDay(Canvas& canvas, const Day& day, const ShownDay& shown, bool isToday) {
    DrawIcons(canvas, day, shown.Origin);
    canvas.SelectFont(day.FontName, TextPoints);
    DrawLines(canvas, day, shown, isToday);
    DrawNumbers(canvas, day, shown);
}
