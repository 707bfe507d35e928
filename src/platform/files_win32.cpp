#include <windows.h>

#include "platform/cp1252.h"
#include "platform/files.h"

bool PathAttributesReadable(std::string_view trimmedPath) {
    const DWORD savedError = GetLastError();
    const bool exists =
        GetFileAttributesW(Cp1252ToWide(trimmedPath).c_str()) != INVALID_FILE_ATTRIBUTES;
    SetLastError(savedError);
    return exists;
}
