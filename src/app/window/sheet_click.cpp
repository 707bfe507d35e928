#include "app/window/sheet_click.h"

#include "calendar/grid_layout.h"

GridPlace GridPlaceAt(std::uint16_t x, std::uint16_t y) {
    using namespace GridLayout;
    return {x / ColumnPitch, (y + OriginY) / RowPitch - 1};
}

SheetPixel SheetPixelUnder(std::uint16_t x, std::uint16_t y, const SheetScale& shown) {
    return {static_cast<std::uint16_t>(shown.WidthToSheet(x)),
            static_cast<std::uint16_t>(shown.HeightToSheet(y))};
}

std::optional<GridPlace> DayPlaceToOpen(const MonthSheet& sheet, GridPlace place, bool editorOpen) {
    if (editorOpen || DayShownAt(sheet, place) == 0) return std::nullopt;
    return place;
}
