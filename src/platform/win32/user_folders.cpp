#include "platform/win32/user_folders.h"

#include "platform/win32/handles.h"

std::wstring ProgramFolderIn(const KNOWNFOLDERID& known) {
    PWSTR found = nullptr;
    const HRESULT result = SHGetKnownFolderPath(known, 0, nullptr, &found);
    // The call allocates the path for its caller, even when it fails.
    const UniqueCoTaskMem<wchar_t> path(found);
    return SUCCEEDED(result) && path ? std::wstring(path.Get()) + L"\\Almanaque\\" : L"";
}
