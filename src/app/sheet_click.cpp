#include "app/sheet_click.h"

GridPlace GridPlaceAt(std::uint16_t x, std::uint16_t y) {
    return {x / 160, (y + 35) / 103 - 1};
}

bool SelectPlaceForClick(MonthSheet& sheet, std::uint16_t x, std::uint16_t y, bool editorOpen) {
    const GridPlace place = GridPlaceAt(x, y);
    const auto inGrid = [](int index) { return index >= 0 && index < GridSize; };
    if (!inGrid(place.Column) || !inGrid(place.Row)) return false;
    sheet.SelectedColumn = place.Column;
    sheet.SelectedRow = place.Row;
    return sheet.Cell(place.Column, place.Row).HasDay == 1 && !editorOpen;
}
