#include "platform/win32/message_box.h"

// after windows.h, which it needs
#include <commctrl.h>

#include <exception>
#include <iterator>
#include <string>

#include "platform/cp1252.h"

namespace {

constexpr wchar_t Caption[] = L"Programador";

int MessagesUp = 0;

int ShowMessageBox(HWND owner, std::wstring_view text, UINT type) {
    const MessageUp up;
    const std::wstring copy(text);
    return MessageBoxW(owner, copy.c_str(), Caption, type);
}

// A message box takes its buttons' texts from the language of Windows, so an English Windows
// would answer a Spanish question with "Yes" and "No". A task dialog shows buttons of the
// program's own; with an owner it is modal to it, as a message box is.
int AskWithButtons(HWND owner, std::wstring_view text, bool withCancel) {
    static constexpr TASKDIALOG_BUTTON Buttons[] = {
        {IDYES, L"S\u00ed"}, {IDNO, L"No"}, {IDCANCEL, L"Cancelar"}};
    const MessageUp up;
    const std::wstring copy(text);
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = owner;
    // Without cancellation allowed, Esc and the close box do nothing, as in a Yes/No message box.
    config.dwFlags = withCancel ? TDF_ALLOW_DIALOG_CANCELLATION : 0;
    config.pszWindowTitle = Caption;
    config.pszContent = copy.c_str();
    config.pButtons = Buttons;
    config.cButtons = withCancel ? std::size(Buttons) : std::size(Buttons) - 1;
    config.nDefaultButton = IDYES;
    int pressed = 0;
    if (SUCCEEDED(TaskDialogIndirect(&config, &pressed, nullptr, nullptr))) return pressed;
    return MessageBoxW(owner, copy.c_str(), Caption, withCancel ? MB_YESNOCANCEL : MB_YESNO);
}

}  // namespace

MessageUp::MessageUp() {
    ++MessagesUp;
}

MessageUp::~MessageUp() {
    --MessagesUp;
}

void ShowMessage(HWND owner, std::wstring_view text) {
    ShowMessageBox(owner, text, MB_OK);
}

bool AskYesNo(HWND owner, std::wstring_view text) {
    return AskWithButtons(owner, text, false) == IDYES;
}

int AskYesNoCancel(HWND owner, std::wstring_view text) {
    return AskWithButtons(owner, text, true);
}

bool MessageIsUp() {
    return MessagesUp > 0;
}

void ShowInternalError(HWND owner) noexcept {
    try {
        std::wstring text = L"Error interno: ";
        try {
            throw;
        } catch (const std::exception& error) {
            text += Cp1252ToWide(error.what());
        } catch (...) {
            text += L"excepci\u00f3n desconocida";
        }
        ShowMessage(owner, text);
    } catch (...) {
        MessageBoxW(owner, L"Error interno", Caption, MB_OK);
    }
}
