#include "platform/win32/message_box.h"

#include <windows.h>

#include <string>

namespace {
constexpr wchar_t Caption[] = L"Programador";
}

void ShowMessage(std::wstring_view text) {
    const std::wstring copy(text);
    MessageBoxW(nullptr, copy.c_str(), Caption, MB_OK);
}

bool AskYesNo(std::wstring_view text) {
    const std::wstring copy(text);
    return MessageBoxW(nullptr, copy.c_str(), Caption, MB_YESNO) == IDYES;
}
