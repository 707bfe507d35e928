#include <windows.h>

#include "platform/files.h"

PathState SystemPathState(const std::wstring& trimmedPath) {
    const DWORD savedError = GetLastError();
    PathState state = PathState::Present;
    if (GetFileAttributesW(trimmedPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        state = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                    ? PathState::Missing
                    : PathState::Unusable;
    }
    SetLastError(savedError);
    return state;
}
