#pragma once
// The command line of almanaque-exportar:
//   almanaque-exportar [--ppp N] [--formato png|bmp] [--carpeta DIR] [--festivos REGION]
//                      [--lunas | --sin-lunas] [--sin-memorizadas] [--hojas DIR] OBJETIVO...
// Each OBJETIVO is a year, a month or a work file (see export_pages.h).

#include <optional>
#include <string>
#include <vector>

#include "calendar/calendar_dressing.h"

enum class PageFormat { Png, Bmp };

inline constexpr int MinimumDotsPerInch = 96;
inline constexpr int MaximumDotsPerInch = 600;

struct ExportOptions {
    int DotsPerInch = 300;
    PageFormat Format = PageFormat::Png;
    std::wstring Folder;  // empty: the current folder
    // What the new sheets of years and months start with; none: as the user chose in the
    // program.
    std::optional<HolidayRegion> Holidays;
    std::optional<bool> MoonPhases;
    bool WithoutMemorized = false;
    // Where a year's months may have their work files ("2027 3.vrel"); empty: none.
    std::wstring SheetsFolder;
    std::vector<std::wstring> Targets;
};

// What the new sheets start with: the user's memorized dates and calendar, as the options change
// them.
NewSheetDressing DressingOfPages(const ExportOptions& options, const NewSheetDressing& users);

struct ParsedCommandLine {
    enum class Action { Export, ShowUsage, UsageError };
    Action What = Action::Export;
    ExportOptions Options;
    std::wstring Error;  // for UsageError: what was wrong, in Spanish
};

// The arguments after the program's name.
ParsedCommandLine ParseExportArguments(const std::vector<std::wstring>& arguments);

extern const wchar_t* const ExportUsage;
