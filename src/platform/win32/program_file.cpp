#include "platform/win32/program_file.h"

#include "resource.h"

std::wstring ProgramFilePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

HINSTANCE ProgramInstance() {
    return GetModuleHandleW(nullptr);
}

UniqueIcon LoadProgramIcon(int size) {
    return UniqueIcon(static_cast<HICON>(LoadImageW(
        ProgramInstance(), MAKEINTRESOURCEW(PROGRAM_ICON_ID), IMAGE_ICON, size, size, 0)));
}
