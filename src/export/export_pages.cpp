#include "export/export_pages.h"

#include "calendar/calendar_arithmetic.h"
#include "calendar/calendar_dressing.h"
#include "persistence/work_file.h"
#include "persistence/work_file_messages.h"
#include "persistence/work_file_name.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/leading_number.h"
#include "platform/path_text.h"

namespace {

bool AllDigits(std::wstring_view text) {
    return !text.empty() && text.find_first_not_of(L"0123456789") == std::wstring_view::npos;
}

// The number the digits spell; one too large for a year gives a negative number.
std::int16_t NumberOf(std::wstring_view digits) {
    return NumberFromLeadingDigits(WideToCp1252(digits));
}

ExportPage FreshPage(std::int16_t year, std::int16_t month, const NewSheetDressing& dressing) {
    ExportPage page;
    page.Year = year;
    page.Month = month;
    page.BaseName = FormImageBaseName(year, month);
    page.NewSheet = dressing;
    return page;
}

TargetPages Refused(const std::wstring& target, std::wstring_view why) {
    return {{}, target + L": " + std::wstring(why)};
}

TargetPages WorkFilePages(const std::wstring& target) {
    auto sheet = std::make_shared<MonthSheet>();
    // A name with blanks around it, or that names nothing, is not read at all: opening a
    // missing file would create it.
    if (TrimBlanks(target) != target || !FileExists(target))
        return Refused(target, WorkFileUnreadableMessage);
    const WorkFileRead read = ReadWorkFile(target, *sheet);
    if (read.Result != ReadResult::Replaced) return Refused(target, ReadResultMessage(read.Result));
    // An empty work file holds no month: the program would show it over the month on screen.
    if (!read.ImageBaseName) return Refused(target, WorkFileWrongFormatMessage);

    ExportPage page;
    page.Year = sheet->Year;
    page.Month = sheet->Month;
    page.BaseName = *read.ImageBaseName;
    page.Dressing = std::move(sheet);
    return {{page}, {}};
}

}  // namespace

TargetPages PagesOfTarget(const std::wstring& target, const NewSheetDressing& dressing,
                          const std::wstring& sheetsFolder) {
    const std::size_t dash = target.find(L'-');
    const std::wstring_view yearPart = std::wstring_view(target).substr(0, dash);
    const bool isYear = AllDigits(target);
    const bool isMonth = dash != std::wstring::npos && AllDigits(yearPart) &&
                         AllDigits(std::wstring_view(target).substr(dash + 1));
    if (!isYear && !isMonth) return WorkFilePages(target);

    const std::int16_t year = NumberOf(yearPart);
    if (year < 1) return Refused(target, L"el a\u00f1o debe estar entre 1 y 32767");
    TargetPages result;
    if (isYear) {
        std::wstring folder = sheetsFolder;
        if (!folder.empty() && FolderOf(folder) != folder) folder += L'\\';
        for (std::int16_t month = 1; month <= 12; ++month) {
            const std::wstring file = folder + MonthWorkFileName(year, month);
            if (folder.empty() || !FileExists(file)) {
                result.Pages.push_back(FreshPage(year, month, dressing));
                continue;
            }
            TargetPages read = WorkFilePages(file);
            if (!read.Error.empty()) return read;
            result.Pages.push_back(std::move(read.Pages.front()));
        }
        return result;
    }
    const std::int16_t month = NumberOf(std::wstring_view(target).substr(dash + 1));
    if (!IsMonth(month)) return Refused(target, L"el mes debe estar entre 1 y 12");
    result.Pages.push_back(FreshPage(year, month, dressing));
    return result;
}

std::shared_ptr<const MonthSheet> SheetOfPage(const ExportPage& page) {
    if (page.Dressing) return page.Dressing;
    return std::make_shared<const MonthSheet>(NewSheet(page.Year, page.Month, page.NewSheet));
}

std::wstring PagePath(const std::wstring& folder, const ExportPage& page, PageFormat format) {
    std::wstring path = folder;
    if (FolderOf(path) != path) path += L'\\';
    return path + Cp1252ToWide(page.BaseName) + (format == PageFormat::Png ? L".png" : L".bmp");
}
