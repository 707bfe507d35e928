#include <windows.h>

#include "platform/files.h"

bool PathAttributesReadable(const std::wstring& trimmedPath) {
    const DWORD savedError = GetLastError();
    const bool exists = GetFileAttributesW(trimmedPath.c_str()) != INVALID_FILE_ATTRIBUTES;
    SetLastError(savedError);
    return exists;
}
