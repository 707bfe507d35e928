#include "app/recovery/folder_win32.h"

#include <windows.h>
// after windows.h, which it needs
#include <shlobj.h>

std::wstring RecoveryFolder() {
    PWSTR local = nullptr;
    // The path is allocated by the call and must be freed with CoTaskMemFree, even on failure.
    const HRESULT found = SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local);
    std::wstring folder = SUCCEEDED(found) && local ? std::wstring(local) + L"\\Almanaque\\" : L"";
    CoTaskMemFree(local);
    return folder;
}
