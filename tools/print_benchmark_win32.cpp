// Times "Imprimir" from the dialog's OK to the job handed to the spooler (EndDoc returned), for
// a fully dressed sheet (every day with nine icons, five text lines and five day numbers) on
// the default printer in landscape at 600 dpi, then a year of such sheets as one job of twelve
// pages ("Imprimir año"). Run by tools/print_benchmark.
//
//   print_benchmark [--repeat N]

#include <windows.h>
// after windows.h, which it needs
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/commands/sheet_printing_win32.h"
#include "platform/win32/handles.h"
#include "support/dressed_sheet.h"

namespace {

// The default printer's device context in landscape at this resolution; null without one.
UniqueDc DefaultPrinterAt(int dotsPerInch) {
    wchar_t name[256];
    DWORD length = 256;
    HANDLE printer = nullptr;
    if (!GetDefaultPrinterW(name, &length) || !OpenPrinterW(name, &printer, nullptr)) return {};
    const LONG size = DocumentPropertiesW(nullptr, printer, name, nullptr, nullptr, 0);
    std::vector<std::byte> settings(static_cast<std::size_t>(std::max(size, 0L)));
    auto* mode = reinterpret_cast<DEVMODEW*>(settings.data());
    const bool read = size > 0 && DocumentPropertiesW(nullptr, printer, name, mode, nullptr,
                                                      DM_OUT_BUFFER) == IDOK;
    if (read) {
        mode->dmOrientation = DMORIENT_LANDSCAPE;
        mode->dmPrintQuality = mode->dmYResolution = static_cast<short>(dotsPerInch);
        mode->dmFields |= DM_ORIENTATION | DM_PRINTQUALITY | DM_YRESOLUTION;
        DocumentPropertiesW(nullptr, printer, name, mode, mode, DM_IN_BUFFER | DM_OUT_BUFFER);
    }
    ClosePrinter(printer);
    return read ? UniqueDc(CreateDCW(L"WINSPOOL", name, nullptr, mode)) : UniqueDc();
}

}  // namespace

int main(int argc, char** argv) {
    int repeat = 5;
    if (argc == 3 && std::strcmp(argv[1], "--repeat") == 0)
        repeat = std::max(1, std::atoi(argv[2]));
    const auto folder = std::filesystem::temp_directory_path() /
                        ("almanaque-print-benchmark-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    auto sheet = std::make_unique<MonthSheet>();
    sheet->Year = 2026;
    sheet->Month = 3;  // 31 days over six rows
    ResetCells(*sheet);
    DressFully(*sheet, WriteBenchmarkIcons(folder));

    const UniqueDc printer = DefaultPrinterAt(600);
    if (!printer) {
        std::printf("no default printer\n");
        return 1;
    }
    std::printf("page %d x %d pixels at %d x %d dpi\n", GetDeviceCaps(printer.Get(), HORZRES),
                GetDeviceCaps(printer.Get(), VERTRES), GetDeviceCaps(printer.Get(), LOGPIXELSX),
                GetDeviceCaps(printer.Get(), LOGPIXELSY));
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int round = 0; round < repeat; ++round) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        const bool printed = PrintSheetOn(printer.Get(), *sheet) == PrintJob::Spooled;
        QueryPerformanceCounter(&end);
        times.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
        std::printf("job %d: %s in %.0f ms\n", round + 1, printed ? "spooled" : "FAILED",
                    times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("OK to spooler, dressed sheet at 600 dpi: median %.0f ms over %d jobs\n",
                times[times.size() / 2], repeat);

    // "Imprimir año" of a year whose every month is the dressed sheet: one job of twelve pages.
    std::vector<MonthSheet> year(12, *sheet);
    for (int month = 0; month < 12; ++month)
        year[month].Month = static_cast<std::int16_t>(month + 1);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    const bool printed =
        PrintSheetsOn(printer.Get(), L"Almanaque - a\u00f1o", year, nullptr) == PrintJob::Spooled;
    QueryPerformanceCounter(&end);
    std::printf("OK to spooler, a dressed year of 12 pages at 600 dpi: %s in %.0f ms\n",
                printed ? "spooled" : "FAILED",
                1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart));
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
