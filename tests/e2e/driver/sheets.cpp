#include "driver/sheets.h"

#include <memory>

#include "calendar/calendar_names.h"
#include "calendar/month_sheet.h"
#include "calendar/saints_table.h"
#include "driver/program_driver.h"
#include "persistence/work_file.h"
#include "platform/cp1252.h"
#include "platform/win32/memory_image.h"
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
    GdiCanvas canvas;
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

bool WriteDecoratedWorkFile(const std::wstring& path) {
    const std::unique_ptr<MonthSheet> sheet = DrawFreshSheet(2024, 2).Sheet;
    const std::string samples = WideToCp1252(SampleIconFolder()) + "\\";
    const std::string icons[] = {"apple.ico",          "star.ico",  samples + "sun.ico",
                                 samples + "moon.ico", "heart.ico", "falta.ico"};
    for (int column = 0; column < 7; ++column) {
        sheet->Cell(column, 0).NumberColor = 0x00C04000;
        for (int row = 1; row < 7; ++row) {
            DayCell& cell = sheet->Cell(column, row);
            if (!cell.HasDay) continue;
            const int day = cell.Day;
            if (day % 4 == 0) AssignSlot(cell.FontName, "Courier New");
            cell.NumberColor = 0x00008000u + static_cast<Color>(40 * column);
            cell.Lines[1] = {1, 0};
            AssignSlot(cell.LineText[1], "Cumplea\xF1os de Ana");
            cell.LineColor[1] = 0x00FF0000;
            cell.Lines[2] = {0, day % 3 == 0};
            cell.LineColor[2] = 0x000080FF;
            cell.Lines[4] = {1, 1};
            AssignSlot(cell.LineText[4], "Reuni\xF3n");
            cell.NumberTopLeft = day % 2;
            cell.NumberTopRight = 1;
            cell.NumberBottomRight = day % 3 == 1;
            cell.NumberCentre = day % 5 == 0;
            for (int k = 0; k < 9; ++k) {
                cell.IconShown[k] = (day + k) % 4 == 0;
                AssignSlot(cell.IconPath[k], icons[(day + k) % 6]);
            }
        }
    }
    sheet->WorkFilePath = path;
    return WriteWorkFile(*sheet);
}

PixelImage CaptureWindow(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    const MemoryImage copy(box.right - box.left, box.bottom - box.top);
    const ScreenDc screen;
    BitBlt(copy.Dc(), 0, 0, copy.Width(), copy.Height(), screen.Get(), box.left, box.top, SRCCOPY);
    PixelImage image{copy.Width(), copy.Height(), {}};
    for (const std::uint32_t pixel : copy.Pixels())  // 0x00RRGGBB
        image.Pixels.push_back((pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF));
    return image;
}

std::vector<std::uint8_t> DefaultSheetBitmap(int year, int month) {
    return EncodeBitmapFile(DrawFreshSheet(year, month).Pixels);
}

}  // namespace e2e
