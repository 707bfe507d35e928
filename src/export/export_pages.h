#pragma once
// What each target of almanaque-exportar stands for: a year ("2027", 1..32767) its twelve
// months, a month ("2027-05" or "2027-5") that month, anything else a work file, drawn with
// everything the user put on it. Pages are named as "Grabar Imagen" names its bitmaps.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/calendar_dressing.h"
#include "calendar/month_sheet.h"
#include "export/export_options.h"

struct ExportPage {
    std::int16_t Year = 0;
    std::int16_t Month = 0;
    std::string BaseName;                        // "2027 5"
    std::shared_ptr<const MonthSheet> Dressing;  // a work file's sheet; null: a new sheet
    NewSheetDressing NewSheet;                   // what a new sheet starts with
};

struct TargetPages {
    std::vector<ExportPage> Pages;
    std::wstring Error;  // why the target cannot be made; then there are no pages
};

// Reads a work file target; the new sheets of a year or a month start with the dressing given.
// A year's month whose work file is in the sheets' folder (empty: none) is read from it.
TargetPages PagesOfTarget(const std::wstring& target, const NewSheetDressing& dressing = {},
                          const std::wstring& sheetsFolder = {});

// The sheet a page shows: the work file's, or a new sheet of the page's month, dressed as the
// page says.
std::shared_ptr<const MonthSheet> SheetOfPage(const ExportPage& page);

// "2027 5.png" in the folder (the current one when empty).
std::wstring PagePath(const std::wstring& folder, const ExportPage& page, PageFormat format);
