#pragma once
// A path made full by the system: a relative one is taken from the current directory. Inline, as
// the Windows halves of platform/ use it too.

#include <windows.h>

#include <string>
#include <vector>

// Empty when the system cannot make the path full.
inline std::wstring FullPath(const std::wstring& path) {
    const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return {};
    std::vector<wchar_t> full(length + 1, L'\0');
    if (GetFullPathNameW(path.c_str(), length + 1, full.data(), nullptr) == 0) return {};
    return full.data();
}
