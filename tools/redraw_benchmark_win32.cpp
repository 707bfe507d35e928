// Times one full redraw of the month sheet (clear to white, then DrawMonthSheet) on the GDI
// canvas, for a sheet as "Nuevo" leaves it and for a fully dressed one: every day with nine
// icons read from icon files, five text lines and the day number at all five places.
//
//   redraw_benchmark [--repeat N] [--bmp dressed.bmp]
//
// --bmp also writes the dressed sheet as a bitmap file, to look at.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "calendar/calendar_names.h"
#include "calendar/saints_table.h"
#include "platform/cp1252.h"
#include "render/bitmap_file.h"
#include "render/draw_month_sheet.h"
#include "render/gdi_canvas_win32.h"
#include "render/sheet_geometry.h"
#include "support/ico_writer.h"

namespace {

namespace fs = std::filesystem;

// March 2026: 31 days over six rows.
constexpr std::int16_t Year = 2026;
constexpr std::int16_t Month = 3;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double TimeOneRedraw(GdiCanvas& canvas, MonthSheet& sheet) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    canvas.Clear();
    DrawMonthSheet(canvas, StandardSheetGeometry(), sheet, Year, Month);
    GdiFlush();
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

void Report(const char* name, GdiCanvas& canvas, MonthSheet& sheet, int repeat) {
    const double first = TimeOneRedraw(canvas, sheet);
    std::vector<double> times;
    for (int i = 0; i < repeat; ++i) times.push_back(TimeOneRedraw(canvas, sheet));
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double time : times) sum += time;
    std::printf(
        "%-8s first %7.2f ms   then over %d redraws: median %6.2f ms, mean %6.2f ms, "
        "min %6.2f ms, max %6.2f ms\n",
        name, first, repeat, times[times.size() / 2], sum / times.size(), times.front(),
        times.back());
}

// Nine small icons of different shapes, with transparent parts, 32 x 32 like most icon files.
std::vector<std::string> WriteIcons(const fs::path& folder) {
    const std::uint32_t colors[9] = {0xD03030, 0x30A040, 0x3050D0, 0xE0A020, 0x9040C0,
                                     0x20A0B0, 0xE06010, 0x606060, 0xC02080};
    std::vector<std::string> paths;
    for (int k = 0; k < 9; ++k) {
        const fs::path path = folder / ("icono" + std::to_string(k + 1) + ".ico");
        const std::uint32_t color = 0xFF000000u | colors[k];
        WriteIcoFile(path, 32, 32, [k, color](int x, int y) -> std::uint32_t {
            const int dx = x - 16, dy = y - 16;
            switch (k % 3) {
                case 0:  // disc
                    return dx * dx + dy * dy <= 196 ? color : 0;
                case 1:  // diamond
                    return std::abs(dx) + std::abs(dy) <= 14 ? color : 0;
                default:  // framed square
                    return (x >= 3 && x < 29 && y >= 3 && y < 29)
                               ? (x < 6 || x >= 26 || y < 6 || y >= 26 ? 0xFF202020u : color)
                               : 0;
            }
        });
        paths.push_back(WideToCp1252(path.wstring()));
    }
    return paths;
}

void Dress(MonthSheet& sheet, const std::vector<std::string>& icons) {
    const char* texts[5] = {"Reunion de vecinos 1", "", "Cumplea\xF1os de Ana", "",
                            "Recoger el pedido 20"};
    const Color colors[5] = {0x00800000, 0x00006000, 0x000000A0, 0x00606000, 0x00404040};
    for (int column = 0; column < 7; ++column)
        for (int row = 1; row < 7; ++row) {
            DayCell& cell = sheet.Cell(column, row);
            for (int k = 0; k < IconCount; ++k) {
                cell.IconShown[k] = 1;
                AssignSlot(cell.IconPath[k], icons[k]);
            }
            for (int line = 0; line < TextLineCount; ++line) {
                const bool saint = line == 1 || line == 3;
                cell.Lines[line] = {saint ? 0 : 1, saint ? 1 : 0};
                AssignSlot(cell.LineText[line], texts[line]);
                cell.LineColor[line] = colors[line];
            }
            cell.NumberTopLeft = cell.NumberTopRight = cell.NumberBottomLeft = 1;
            cell.NumberBottomRight = cell.NumberCentre = 1;
        }
}

}  // namespace

int main(int argc, char** argv) {
    int repeat = 50;
    std::string bitmapPath;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--repeat") == 0) repeat = std::max(1, std::atoi(argv[i + 1]));
        if (std::strcmp(argv[i], "--bmp") == 0) bitmapPath = argv[i + 1];
    }
    InitCalendarNames();
    BuildSaintsTable();

    const fs::path folder = fs::temp_directory_path() /
                            ("almanaque-benchmark-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder);
    const std::vector<std::string> icons = WriteIcons(folder);

    auto sheet = std::make_unique<MonthSheet>();
    GdiCanvas canvas{SheetWidth, SheetHeight};
    ResetCells(*sheet);
    Report("default", canvas, *sheet, repeat);
    ResetCells(*sheet);
    Dress(*sheet, icons);
    Report("dressed", canvas, *sheet, repeat);
    const auto dressed = std::make_unique<MonthSheet>(*sheet);

    // Where the time of the dressed sheet goes: its texts and numbers alone, its icons alone.
    for (auto& column : sheet->Cells)
        for (DayCell& cell : column)
            std::fill(std::begin(cell.IconShown), std::end(cell.IconShown), 0);
    Report("texts", canvas, *sheet, repeat);
    *sheet = *dressed;
    for (auto& column : sheet->Cells)
        for (DayCell& cell : column) {
            for (auto& line : cell.Lines) line = {0, 0};
            cell.NumberTopLeft = cell.NumberTopRight = cell.NumberBottomLeft = 0;
            cell.NumberBottomRight = cell.NumberCentre = 0;
        }
    Report("icons", canvas, *sheet, repeat);
    *sheet = *dressed;
    TimeOneRedraw(canvas, *sheet);

    if (!bitmapPath.empty()) {
        const auto bytes = EncodeBitmapFile(canvas.ReadPixels());
        std::ofstream file(bitmapPath, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        std::printf("dressed sheet written to %s (%zu bytes)\n", bitmapPath.c_str(), bytes.size());
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return 0;
}
