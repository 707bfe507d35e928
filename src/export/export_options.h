#pragma once
// The command line of almanaque-exportar:
//   almanaque-exportar [--ppp N] [--formato png|bmp] [--carpeta DIR] OBJETIVO...
// Each OBJETIVO is a year, a month or a work file (see export_pages.h).

#include <string>
#include <vector>

enum class PageFormat { Png, Bmp };

inline constexpr int MinimumDotsPerInch = 96;
inline constexpr int MaximumDotsPerInch = 600;

struct ExportOptions {
    int DotsPerInch = 300;
    PageFormat Format = PageFormat::Png;
    std::wstring Folder;  // empty: the current folder
    std::vector<std::wstring> Targets;
};

struct ParsedCommandLine {
    enum class Action { Export, ShowUsage, UsageError };
    Action What = Action::Export;
    ExportOptions Options;
    std::wstring Error;  // for UsageError: what was wrong, in Spanish
};

// The arguments after the program's name.
ParsedCommandLine ParseExportArguments(const std::vector<std::wstring>& arguments);

extern const wchar_t* const ExportUsage;
