#include "render/icon_cache_win32.h"

#include <vector>

namespace {

std::wstring FullPath(const std::wstring& path) {
    const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return {};
    std::vector<wchar_t> full(length + 1, L'\0');
    if (GetFullPathNameW(path.c_str(), length + 1, full.data(), nullptr) == 0) return {};
    return full.data();
}

}  // namespace

void IconCache::BeginDraw() {
    for (auto entry = Entries.begin(); entry != Entries.end();) {
        if (entry->second.CheckedInDraw != Draw)
            entry = Entries.erase(entry);
        else
            ++entry;
    }
    ++Draw;
}

const SheetIcon* IconCache::Get(const std::wstring& path, int size) {
    if (path.empty() || size <= 0) return nullptr;
    const std::wstring full = FullPath(path);
    if (full.empty()) return nullptr;
    const auto key = std::make_pair(full, size);

    auto found = Entries.find(key);
    if (found != Entries.end() && found->second.CheckedInDraw == Draw)
        return found->second.Icon.get();

    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (!GetFileAttributesExW(full.c_str(), GetFileExInfoStandard, &attributes)) {
        if (found != Entries.end()) Entries.erase(found);
        return nullptr;
    }
    const ULONGLONG fileSize =
        static_cast<ULONGLONG>(attributes.nFileSizeHigh) << 32 | attributes.nFileSizeLow;
    const FILETIME lastWrite = attributes.ftLastWriteTime;
    if (found == Entries.end() || found->second.FileSize != fileSize ||
        CompareFileTime(&found->second.LastWrite, &lastWrite) != 0) {
        Entry fresh;
        fresh.Icon = SheetIcon::Load(full, size);
        fresh.FileSize = fileSize;
        fresh.LastWrite = lastWrite;
        found = Entries.insert_or_assign(key, std::move(fresh)).first;
    }
    found->second.CheckedInDraw = Draw;
    return found->second.Icon.get();
}
