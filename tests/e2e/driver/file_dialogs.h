#pragma once
// The system's open and save dialogs of a driven program. They are found as visible dialogs of
// the program's process holding the file-name box (id 1148); a name is typed into that box's
// edit field and confirmed with OK, so a relative name lands in the folder the dialog opened in.

#include <windows.h>

#include <functional>
#include <string_view>

#include "driver/program_driver.h"

namespace e2e {

// The edit field of the dialog's name box; null when it has none.
HWND FileNameEdit(HWND dialog);
HWND WaitForFileDialog(const Program& program, std::chrono::milliseconds timeout = DefaultTimeout);
// Types the name and presses OK; false when the dialog had no name box.
bool ChooseInFileDialog(HWND dialog, std::wstring_view name);
void CancelFileDialog(HWND dialog);
// Does what opens a file dialog (posts the menu command), types the name into the dialog and
// waits for it to close; false when no file dialog came or it did not close.
bool ChooseAfter(Program& program, const std::function<void()>& open, std::wstring_view name);
bool ChooseAfter(Program& program, int command, std::wstring_view name);

}  // namespace e2e
