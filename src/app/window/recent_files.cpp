#include "app/window/recent_files.h"

#include <algorithm>

namespace {

// Upper case of the letters of ASCII and Latin-1, the ones Spanish names are written with. Two
// paths that differ only in the case of other letters are kept as two entries, which costs one
// line of the list and nothing else.
wchar_t FoldCase(wchar_t c) {
    const bool latinSmall = (c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
    return latinSmall ? static_cast<wchar_t>(c - 0x20) : c;
}

bool SamePath(std::wstring_view a, std::wstring_view b) {
    return std::ranges::equal(a, b,
                              [](wchar_t x, wchar_t y) { return FoldCase(x) == FoldCase(y); });
}

}  // namespace

RecentFiles WithRecentFile(const RecentFiles& list, const std::wstring& path) {
    RecentFiles result = WithoutRecentFile(list, path);
    result.insert(result.begin(), path);
    if (result.size() > RecentFileLimit) result.resize(RecentFileLimit);
    return result;
}

RecentFiles WithoutRecentFile(const RecentFiles& list, std::wstring_view path) {
    RecentFiles result;
    for (const std::wstring& entry : list)
        if (!SamePath(entry, path)) result.push_back(entry);
    return result;
}

std::wstring RecentFileLabel(std::size_t index, std::wstring_view path) {
    const std::size_t separator = path.find_last_of(L"\\/:");
    const std::wstring_view name =
        separator == std::wstring_view::npos ? path : path.substr(separator + 1);
    std::wstring label = L"&" + std::to_wstring(index + 1) + L" ";
    for (const wchar_t c : name) {
        if (c == L'&') label += L'&';
        label += c;
    }
    return label;
}

std::wstring RecentFilesValue(const RecentFiles& list) {
    std::wstring value;
    for (const std::wstring& path : list) {
        value += path;
        value += L'\0';
    }
    value += L'\0';
    return value;
}

RecentFiles RecentFilesFromValue(std::wstring_view value) {
    RecentFiles stored;
    for (std::size_t start = 0; start < value.size();) {
        const std::size_t end = std::min(value.find(L'\0', start), value.size());
        if (end == start) break;
        stored.emplace_back(value.substr(start, end - start));
        start = end + 1;
    }
    RecentFiles list;
    for (auto entry = stored.rbegin(); entry != stored.rend(); ++entry)
        list = WithRecentFile(list, *entry);
    return list;
}
