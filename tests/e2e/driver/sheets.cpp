#include "driver/sheets.h"

#include <algorithm>

#include "calendar/calendar_arithmetic.h"
#include "calendar/month_sheet.h"
#include "driver/program_driver.h"
#include "persistence/work_file.h"
#include "platform/cp1252.h"
#include "platform/win32/memory_image.h"
#include "render/bitmap_file.h"
#include "render/draw_month_sheet.h"
#include "render/gdi_canvas_win32.h"
#include "render/sheet_geometry.h"

namespace e2e {

PixelImage DrawFreshSheet(int year, int month, std::optional<LocalDate> today) {
    MonthSheet sheet;
    sheet.Year = static_cast<std::int16_t>(year);
    sheet.Month = static_cast<std::int16_t>(month);
    GdiCanvas canvas;
    DrawMonthSheet(canvas, sheet, today);
    return canvas.ReadPixels();
}

bool WriteDressedWorkFile(const std::wstring& path, int year, int month) {
    MonthSheet sheet;
    sheet.Year = static_cast<std::int16_t>(year);
    sheet.Month = static_cast<std::int16_t>(month);
    const MonthGrid days = PlaceMonth(sheet.Year, sheet.Month);
    for (int column = 0; column < GridSize; ++column)
        for (int row = 1; row < GridSize; ++row) {
            if (days[column][row] == 0) continue;
            Day& day = sheet.Cell(column, row);
            day.Lines[1].ShowsText = Flag::On;
            day.Lines[1].LineText = "Prueba";
            day.Numbers.Centre = Flag::On;
        }
    return WriteWorkFile(path, sheet);
}

std::optional<DayRecord> RecordOfPlace(const std::vector<std::uint8_t>& file, int column, int row) {
    for (std::size_t at = 0; at + DayRecordSize <= file.size(); at += DayRecordSize) {
        DayRecord record;
        std::copy(file.begin() + at, file.begin() + at + DayRecordSize, record.begin());
        const RecordAddress address = AddressOf(record);
        if (address.Column == column && address.Row == row) return record;
    }
    return std::nullopt;
}

bool WriteDecoratedWorkFile(const std::wstring& path) {
    auto sheet = std::make_unique<MonthSheet>();
    sheet->Year = 2024;
    sheet->Month = 2;
    const MonthGrid days = PlaceMonth(2024, 2);
    const std::string samples = WideToCp1252(SampleIconFolder()) + "\\";
    const std::string icons[] = {"apple.ico",          "star.ico",  samples + "sun.ico",
                                 samples + "moon.ico", "heart.ico", "falta.ico"};
    for (int column = 0; column < 7; ++column) {
        sheet->Cell(column, 0).NumberColor = 0x00C04000;
        for (int row = 1; row < 7; ++row) {
            const int day = days[column][row];
            if (day == 0) continue;
            const auto flag = [](bool on) { return on ? Flag::On : Flag::Off; };
            Day& cell = sheet->Cell(column, row);
            if (day % 4 == 0) cell.FontName = "Courier New";
            cell.NumberColor = 0x00008000u + static_cast<Color>(40 * column);
            cell.Lines[1] = {Flag::On, Flag::Off, "Cumplea\xF1os de Ana", 0x00FF0000};
            cell.Lines[2] = {Flag::Off, flag(day % 3 == 0), "", 0x000080FF};
            cell.Lines[4] = {Flag::On, Flag::On, "Reuni\xF3n", Black};
            cell.Numbers = {flag(day % 2), Flag::On, Flag::On, flag(day % 3 == 1),
                            flag(day % 5 == 0)};
            for (int k = 0; k < 9; ++k)
                cell.Icons[k] = {flag((day + k) % 4 == 0), icons[(day + k) % 6]};
        }
    }
    return WriteWorkFile(path, *sheet);
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
    return EncodeBitmapFile(DrawFreshSheet(year, month));
}

}  // namespace e2e
