#include "platform/win32/message_box.h"

#include <windows.h>

#include <exception>
#include <string>

#include "platform/cp1252.h"

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

int AskYesNoCancel(std::wstring_view text) {
    const std::wstring copy(text);
    return MessageBoxW(nullptr, copy.c_str(), Caption, MB_YESNOCANCEL);
}

void ShowInternalError() noexcept {
    try {
        std::wstring text = L"Error interno: ";
        try {
            throw;
        } catch (const std::exception& error) {
            text += Cp1252ToWide(error.what());
        } catch (...) {
            text += L"excepci\u00f3n desconocida";
        }
        ShowMessage(text);
    } catch (...) {
        MessageBoxW(nullptr, L"Error interno", Caption, MB_OK);
    }
}
