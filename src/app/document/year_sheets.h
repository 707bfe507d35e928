#pragma once
// The twelve sheets of a printed year, January first: the month on show as it is shown (unsaved
// changes included), each other month from its work file in the year's folder if it has one,
// otherwise as a new sheet.

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/calendar_dressing.h"
#include "persistence/work_file.h"

struct YearSheets {
    std::vector<MonthSheet> Sheets;  // none when a work file could not be read
    std::wstring Unread;             // that file, and why
    ReadResult Why = ReadResult::Replaced;
};

YearSheets SheetsOfYear(std::int16_t year, const MonthSheet& shown, const std::wstring& folder,
                        const NewSheetDressing& dressing);

// "Almanaque - 2027": the print job's name.
std::wstring YearJobName(std::int16_t year);
// "Imprimiendo Marzo 2027 (3 de 12)".
std::wstring YearProgressText(const MonthSheet& sheet);
