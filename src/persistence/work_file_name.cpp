#include "persistence/work_file_name.h"

#include <algorithm>

bool HasWorkFileExtension(std::wstring_view path) {
    const std::wstring_view extension = WorkFileExtension;
    if (path.size() <= extension.size()) return false;
    const std::wstring_view tail = path.substr(path.size() - extension.size());
    const auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; };
    return path[path.size() - extension.size() - 1] == L'.' &&
           std::ranges::equal(tail, extension, {}, lower, lower);
}
