#include "driver/sheets.h"

#include <memory>

#include "calendar/calendar_names.h"
#include "calendar/month_sheet.h"
#include "calendar/saints_table.h"
#include "persistence/work_file.h"
#include "platform/cp1252.h"
#include "render/bitmap_file.h"
#include "render/draw_month_sheet.h"
#include "render/gdi_canvas_win32.h"
#include "render/sheet_geometry.h"

namespace e2e {

DrawnSheet DrawFreshSheet(int year, int month, TodayMarking marking) {
    InitCalendarNames();
    BuildSaintsTable();
    auto sheet = std::make_unique<MonthSheet>();
    sheet->Year = static_cast<std::int16_t>(year);
    sheet->Month = static_cast<std::int16_t>(month);
    ResetCells(*sheet);
    GdiCanvas canvas{SheetWidth, SheetHeight};
    DrawMonthSheet(canvas, StandardSheetGeometry(), *sheet, sheet->Year, sheet->Month, marking);
    return {std::move(sheet), canvas.ReadPixels()};
}

bool WriteDressedWorkFile(const std::wstring& path, int year, int month) {
    const std::unique_ptr<MonthSheet> sheet = DrawFreshSheet(year, month).Sheet;
    for (int column = 0; column < UsedGridSize; ++column)
        for (int row = 1; row < UsedGridSize; ++row) {
            DayCell& cell = sheet->Cell(column, row);
            if (!cell.HasDay) continue;
            cell.Lines[1].LineIsText = 1;
            AssignSlot(cell.LineText[1], "Prueba");
            cell.NumberCentre = 1;
        }
    sheet->WorkFilePath = path;
    return WriteWorkFile(*sheet);
}

std::vector<std::uint8_t> DefaultSheetBitmap(int year, int month) {
    return EncodeBitmapFile(DrawFreshSheet(year, month).Pixels);
}

}  // namespace e2e
