#include "calendar/month_sheet.h"

#include <cstring>
#include <string>

#include "platform/path_text.h"

void ResetCells(MonthSheet& sheet) {
    std::memset(static_cast<void*>(sheet.Cells), 0, sizeof sheet.Cells);
    for (int column = 0; column < UsedGridSize; ++column)
        for (int row = 0; row < UsedGridSize; ++row) {
            DayCell& cell = sheet.Cell(column, row);
            cell.NumberBottomLeft = 1;
            cell.NumberColor = Black;
            AssignSlot(cell.FontName, "Tahoma");
            cell.Lines[0].LineIsSaint = 1;
        }
}

std::string IconFileOf(const DayCell& cell, int position) {
    return std::string(WithoutTrailingBlanks(ReadSlot(cell.IconPath[position])));
}

std::string FormImageBaseName(std::int16_t year, std::int16_t month) {
    return std::to_string(year) + " " + std::to_string(month);
}
