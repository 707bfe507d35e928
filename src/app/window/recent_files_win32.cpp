#include "app/window/recent_files_win32.h"

#include <windows.h>
// after windows.h, which it needs
#include <shlobj.h>

#include <vector>

#include "platform/win32/full_path.h"
#include "platform/win32/handles.h"
#include "platform/win32/user_settings.h"

namespace {

void StoreRecentFiles(const RecentFiles& list) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, UserSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS)
        return;
    const UniqueRegistryKey key(created);
    const std::wstring value = RecentFilesValue(list);
    RegSetValueExW(key.Get(), RecentFilesValueName, 0, REG_MULTI_SZ,
                   reinterpret_cast<const BYTE*>(value.data()),
                   static_cast<DWORD>(value.size() * sizeof(wchar_t)));
}

}  // namespace

RecentFiles LoadRecentFiles() {
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, UserSettingsKey, RecentFilesValueName, RRF_RT_REG_MULTI_SZ,
                     nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return {};
    std::vector<wchar_t> value(bytes / sizeof(wchar_t) + 2, L'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, UserSettingsKey, RecentFilesValueName, RRF_RT_REG_MULTI_SZ,
                     nullptr, value.data(), &bytes) != ERROR_SUCCESS)
        return {};
    return RecentFilesFromValue(std::wstring_view(value.data(), bytes / sizeof(wchar_t)));
}

RecentFiles RememberRecentFile(const std::wstring& path) {
    // The list keeps full paths; one the system cannot make full is kept as it was given.
    std::wstring full = FullPath(path);
    if (full.empty()) full = path;
    const RecentFiles list = WithRecentFile(LoadRecentFiles(), full);
    StoreRecentFiles(list);
    SHAddToRecentDocs(SHARD_PATHW, full.c_str());
    return list;
}

RecentFiles ForgetRecentFile(const std::wstring& path) {
    const RecentFiles list = WithoutRecentFile(LoadRecentFiles(), path);
    StoreRecentFiles(list);
    return list;
}
