// Program entry: COM, common controls, the work-file type check, then the main window until
// "Salir".

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "app/document/startup_rules.h"
#include "app/window/main_window_win32.h"
#include "platform/win32/com_apartment.h"
#include "shell/file_type_registry_win32.h"

namespace {

void InitialiseCommonControls() {
    const DWORD used =
        ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES | ICC_INTERNET_CLASSES;
    const INITCOMMONCONTROLSEX classes{sizeof classes, used};
    InitCommonControlsEx(&classes);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything that may reach the shell: its dialogs and ShellExecuteExW (the exported
    // image handed to the desktop) need COM on the calling thread.
    const ComApartment com(ComThread::Windows);
    InitialiseCommonControls();
    CheckFileTypeRegistration();
    RunMainWindow(CommandTailOf(GetCommandLineW()));
    return 0;
}
