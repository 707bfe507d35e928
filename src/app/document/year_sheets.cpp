#include "app/document/year_sheets.h"

#include "calendar/calendar_names.h"
#include "persistence/work_file_name.h"
#include "platform/cp1252.h"
#include "platform/files.h"

YearSheets SheetsOfYear(std::int16_t year, const MonthSheet& shown, const std::wstring& folder,
                        const NewSheetDressing& dressing) {
    YearSheets year12;
    for (std::int16_t month = 1; month <= 12; ++month) {
        const std::wstring file = folder + MonthWorkFileName(year, month);
        if (shown.Year == year && shown.Month == month) {
            year12.Sheets.push_back(shown);
        } else if (FileExists(file)) {
            MonthSheet read;
            const ReadResult result = ReadWorkFile(file, read).Result;
            if (result != ReadResult::Replaced) return {{}, file, result};
            year12.Sheets.push_back(std::move(read));
        } else {
            year12.Sheets.push_back(NewSheet(year, month, dressing));
        }
    }
    return year12;
}

std::wstring YearJobName(std::int16_t year) {
    return L"Almanaque - " + std::to_wstring(year);
}

std::wstring YearProgressText(const MonthSheet& sheet) {
    return L"Imprimiendo " + Cp1252ToWide(SheetTitle(sheet.Year, sheet.Month)) + L" (" +
           std::to_wstring(sheet.Month) + L" de 12)";
}
