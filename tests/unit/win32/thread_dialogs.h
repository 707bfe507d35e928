#pragma once
// Finding the dialogs (window class "#32770", message boxes included) that this thread shows.

#include <windows.h>

#include <string>

// The first visible dialog of the current thread, or one with exactly this caption when one is
// given; null when there is none.
inline HWND VisibleThreadDialog(const std::wstring& caption = {}) {
    struct Search {
        const std::wstring& Caption;
        HWND Found = nullptr;
    } search{caption};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto& search = *reinterpret_cast<Search*>(data);
            wchar_t className[16] = {};
            wchar_t text[64] = {};
            GetClassNameW(window, className, 16);
            GetWindowTextW(window, text, 64);
            if (!IsWindowVisible(window) || std::wstring(className) != L"#32770" ||
                (!search.Caption.empty() && text != search.Caption))
                return TRUE;
            search.Found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}
