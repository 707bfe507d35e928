#include "calendar/month_sheet.h"

#include "calendar/calendar_arithmetic.h"
#include "platform/path_text.h"

std::string_view IconFileOf(const DayIcon& icon) {
    return WithoutTrailingBlanks(icon.Path);
}

void ResetCells(MonthSheet& sheet) {
    sheet.Cells = {};
}

std::int16_t DayShownAt(const MonthSheet& sheet, GridPlace place) {
    const auto inGrid = [](int index) { return index >= 0 && index < GridSize; };
    if (!inGrid(place.Column) || !inGrid(place.Row)) return 0;
    return PlaceMonth(sheet.Year, sheet.Month)[place.Column][place.Row];
}

std::optional<GridPlace> PlaceOfDay(std::int16_t year, std::int16_t month, int day) {
    const MonthGrid grid = PlaceMonth(year, month);
    for (int column = 0; column < GridSize; ++column)
        for (int row = 1; row < GridSize; ++row)
            if (grid[column][row] == day) return GridPlace{column, row};
    return std::nullopt;
}

std::string FormImageBaseName(std::int16_t year, std::int16_t month) {
    return std::to_string(year) + " " + std::to_string(month);
}
