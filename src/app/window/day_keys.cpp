#include "app/window/day_keys.h"

#include "calendar/calendar_arithmetic.h"
#include "calendar/grid_layout.h"

namespace {

constexpr int MarkInset = 3;

}  // namespace

DayMark MarkForMonth(const DayMark& mark, const LocalDate& today, std::int16_t year,
                     std::int16_t month) {
    if (mark.Year == year && mark.Month == month) return mark;
    const bool todaysMonth = today.Year == year && today.Month == month;
    return {year, month, todaysMonth ? today.Day : 1};
}

DayMark MarkAfterKey(DayMark mark, DayKey key) {
    if (!IsMonth(mark.Month)) return mark;
    const int length = BuildMonthLengths(mark.Year).Days[mark.Month];
    int day = mark.Day;
    switch (key) {
        case DayKey::DayBefore:
            day -= 1;
            break;
        case DayKey::DayAfter:
            day += 1;
            break;
        case DayKey::WeekBefore:
            day -= 7;
            break;
        case DayKey::WeekAfter:
            day += 7;
            break;
        case DayKey::FirstDay:
            day = 1;
            break;
        case DayKey::LastDay:
            day = length;
            break;
    }
    if (day >= 1 && day <= length) mark.Day = day;
    return mark;
}

DayMark MarkOnPlace(DayMark mark, GridPlace place) {
    const auto used = [](int index) { return index >= 0 && index < GridSize; };
    if (!used(place.Column) || !used(place.Row)) return mark;
    const int day = PlaceMonth(mark.Year, mark.Month)[place.Column][place.Row];
    if (day != 0) mark.Day = day;
    return mark;
}

std::optional<GridPlace> PlaceOfMark(const DayMark& mark) {
    return PlaceOfDay(mark.Year, mark.Month, mark.Day);
}

PixelBox MarkBox(GridPlace place, const SheetScale& shown) {
    const SheetRect box = DayBox(place);
    const int left = box.Left + MarkInset;
    const int top = box.Top + MarkInset;
    const int right = box.Right - MarkInset;
    const int bottom = box.Bottom - MarkInset;
    return {shown.ToPixelsX(left), shown.ToPixelsY(top),
            shown.ToPixelsX(right) - shown.ToPixelsX(left),
            shown.ToPixelsY(bottom) - shown.ToPixelsY(top)};
}
