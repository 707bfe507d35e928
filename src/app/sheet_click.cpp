#include "app/sheet_click.h"

#include "render/sheet_geometry.h"

GridPlace GridPlaceAt(std::uint16_t x, std::uint16_t y) {
    constexpr SheetGeometry Geometry = StandardSheetGeometry();
    constexpr int ColumnPitch = Geometry.CellWidth + Geometry.Gap;
    constexpr int RowPitch = Geometry.CellHeight + Geometry.Gap;
    return {x / ColumnPitch, (y + Geometry.OriginY) / RowPitch - 1};
}

SheetPixel SheetPixelUnder(std::uint16_t x, std::uint16_t y, const SheetScale& shown) {
    return {static_cast<std::uint16_t>(shown.WidthToSheet(x)),
            static_cast<std::uint16_t>(shown.HeightToSheet(y))};
}

bool SelectPlaceForClick(MonthSheet& sheet, std::uint16_t x, std::uint16_t y, bool editorOpen) {
    return SelectPlace(sheet, GridPlaceAt(x, y), editorOpen);
}

bool SelectPlace(MonthSheet& sheet, GridPlace place, bool editorOpen) {
    const auto inGrid = [](int index) { return index >= 0 && index < GridSize; };
    if (!inGrid(place.Column) || !inGrid(place.Row)) return false;
    sheet.SelectedColumn = place.Column;
    sheet.SelectedRow = place.Row;
    return sheet.Cell(place.Column, place.Row).HasDay == 1 && !editorOpen;
}
