// Times one full redraw of the month sheet (clear to white, then DrawMonthSheet) on the GDI
// canvas, for a sheet as "Nuevo" leaves it and for a fully dressed one: every day with nine
// icons read from icon files, five text lines and the day number at all five places; the
// dressed one at 96 dpi and at 150 % (144 dpi). Then the main window with the dressed sheet
// goes from 1366 x 768 to maximised, timed until its sheet is drawn afresh at the new scale
// (on a screen of 3840 x 2160, for example: wine_env_start 3840x2160 144, scripts/wine-env).
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

#include "app/document/sheet_history.h"
#include "app/window/main_window_win32.h"
#include "persistence/work_file.h"
#include "platform/clock.h"
#include "render/bitmap_file.h"
#include "render/draw_month_sheet.h"
#include "render/gdi_canvas_win32.h"
#include "render/sheet_geometry.h"
#include "support/dressed_sheet.h"

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

double TimeOneRedraw(GdiCanvas& canvas, const MonthSheet& sheet) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    canvas.Clear();
    DrawMonthSheet(canvas, sheet, TodayLocal());
    GdiFlush();
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

void Report(const char* name, GdiCanvas& canvas, const MonthSheet& sheet, int repeat) {
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

// "Deshacer" of one day's change on the dressed sheet, with the redraw it leads to, beside one
// redraw alone.
void ReportUndo(GdiCanvas& canvas, const MonthSheet& dressed) {
    OpenSheet document;
    SheetHistory history(document);
    document.TakeRecovered(dressed, L"");
    document.FollowChanges([&](SheetChange) { TimeOneRedraw(canvas, document.Sheet()); });
    document.Edit([](MonthSheet& sheet) { sheet.Cell(3, 3).Lines[4].LineText = "Deshacer"; });
    const double redraw = TimeOneRedraw(canvas, document.Sheet());
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    history.Undo();
    QueryPerformanceCounter(&end);
    std::printf("undo    Ctrl+Z of a day's change on the dressed sheet, redraw included: %.2f ms "
                "(one redraw: %.2f ms)\n",
                Milliseconds(start, end), redraw);
}

// The main window of the dressed work file, from 1366 x 768 to maximised.
void ReportResize(const fs::path& workFile) {
    MainWindow window(L"\"" + workFile.wstring() + L"\"");
    static HWND main;
    main = window.Window();
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        SetWindowPos(main, nullptr, 0, 0, 1366, 768, SWP_NOZORDER);
        UpdateWindow(main);
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        ShowWindow(main, SW_MAXIMIZE);
        UpdateWindow(main);
        GdiFlush();
        QueryPerformanceCounter(&end);
        RECT view{};
        GetClientRect(GetDlgItem(main, MainWindowLayout::SheetViewId), &view);
        std::printf("resize  from 1366 x 768 to maximised on %d x %d, sheet %ld x %ld: %.2f ms\n",
                    GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), view.right,
                    view.bottom, Milliseconds(start, end));
        PostMessageW(main, WM_CLOSE, 0, 0);
    });
    window.RunModal();
}

}  // namespace

int main(int argc, char** argv) {
    int repeat = 50;
    std::string bitmapPath;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--repeat") == 0) repeat = std::max(1, std::atoi(argv[i + 1]));
        if (std::strcmp(argv[i], "--bmp") == 0) bitmapPath = argv[i + 1];
    }

    const fs::path folder = fs::temp_directory_path() /
                            ("almanaque-benchmark-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder);
    const std::vector<std::string> icons = WriteBenchmarkIcons(folder);

    auto sheet = std::make_unique<MonthSheet>();
    sheet->Year = Year;
    sheet->Month = Month;
    GdiCanvas canvas;
    ResetCells(*sheet);
    Report("default", canvas, *sheet, repeat);
    ResetCells(*sheet);
    DressFully(*sheet, icons);
    Report("dressed", canvas, *sheet, repeat);
    GdiCanvas large(SheetScale(144));
    Report("at 150%", large, *sheet, repeat);
    const auto dressed = std::make_unique<MonthSheet>(*sheet);

    // Where the time of the dressed sheet goes: its texts and numbers alone, its icons alone.
    for (auto& column : sheet->Cells)
        for (Day& day : column)
            for (DayIcon& icon : day.Icons) icon.Shown = Flag::Off;
    Report("texts", canvas, *sheet, repeat);
    *sheet = *dressed;
    for (auto& column : sheet->Cells)
        for (Day& day : column) {
            for (DayLine& line : day.Lines) line.ShowsText = line.ShowsSaint = Flag::Off;
            day.Numbers = {Flag::Off, Flag::Off, Flag::Off, Flag::Off, Flag::Off};
        }
    Report("icons", canvas, *sheet, repeat);
    *sheet = *dressed;
    TimeOneRedraw(canvas, *sheet);
    ReportUndo(canvas, *dressed);

    if (!bitmapPath.empty()) {
        const auto bytes = EncodeBitmapFile(canvas.ReadPixels());
        std::ofstream file(bitmapPath, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        std::printf("dressed sheet written to %s (%zu bytes)\n", bitmapPath.c_str(), bytes.size());
    }
    const fs::path workFile = folder / "dressed.vrel";
    if (WriteWorkFile(workFile.wstring(), *sheet)) ReportResize(workFile);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return 0;
}
