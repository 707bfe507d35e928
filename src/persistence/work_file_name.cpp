#include "persistence/work_file_name.h"

#include <algorithm>

#include "calendar/month_sheet.h"
#include "platform/cp1252.h"

std::wstring MonthWorkFileName(std::int16_t year, std::int16_t month) {
    return Cp1252ToWide(FormImageBaseName(year, month)) + L"." + WorkFileExtension;
}

bool HasWorkFileExtension(std::wstring_view path) {
    const std::wstring_view extension = WorkFileExtension;
    if (path.size() <= extension.size()) return false;
    const std::wstring_view tail = path.substr(path.size() - extension.size());
    const auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; };
    return path[path.size() - extension.size() - 1] == L'.' &&
           std::ranges::equal(tail, extension, {}, lower, lower);
}
