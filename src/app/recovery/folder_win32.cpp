#include "app/recovery/folder_win32.h"

#include <windows.h>
// after windows.h, which it needs
#include <shlobj.h>

#include "platform/win32/handles.h"

std::wstring RecoveryFolder() {
    PWSTR local = nullptr;
    const HRESULT found = SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local);
    // The call allocates the path for its caller, even when it fails.
    const UniqueCoTaskMem<wchar_t> path(local);
    return SUCCEEDED(found) && path ? std::wstring(path.Get()) + L"\\Almanaque\\" : L"";
}
