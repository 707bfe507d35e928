// Program entry: COM, common controls, the work-file type check, then the main window until
// "Salir".

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "app/window/main_window_win32.h"
#include "app/document/startup_rules.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/handles.h"
#include "shell/file_type_registry_win32.h"

namespace {

void InitialiseCommonControls() {
    const UniqueLibrary library(LoadLibraryW(L"COMCTL32.DLL"));
    if (!library) return;
    using InitialiseEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto initialiseEx = reinterpret_cast<InitialiseEx>(
        reinterpret_cast<void*>(GetProcAddress(library.Get(), "InitCommonControlsEx")));
    if (initialiseEx) {
        const INITCOMMONCONTROLSEX classes{8, 0x000009FF};
        initialiseEx(&classes);
    } else {
        InitCommonControls();
    }
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
