#include "driver/file_dialogs.h"

namespace e2e {

namespace {

constexpr int FileNameBox = 1148;

}  // namespace

HWND FileNameEdit(HWND dialog) {
    const HWND box = GetDlgItem(dialog, FileNameBox);
    if (!box) return nullptr;
    // A ComboBoxEx holds a combo box that holds the edit field; older dialogs have the edit
    // field itself.
    if (ClassOf(box) == L"Edit") return box;
    const HWND edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
    if (edit) return edit;
    const HWND combo = FindWindowExW(box, nullptr, L"ComboBox", nullptr);
    return combo ? FindWindowExW(combo, nullptr, L"Edit", nullptr) : nullptr;
}

HWND WaitForFileDialog(const Program& program, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (const HWND window : program.Windows())
                if (ClassOf(window) == L"#32770" && FileNameEdit(window)) {
                    found = window;
                    return true;
                }
            return !program.Running();
        },
        timeout);
    return found;
}

bool ChooseInFileDialog(HWND dialog, std::wstring_view name) {
    const HWND edit = FileNameEdit(dialog);
    if (!edit) return false;
    SetText(edit, name);
    Press(dialog, IDOK);
    return true;
}

void CancelFileDialog(HWND dialog) {
    Press(dialog, IDCANCEL);
}

bool ChooseAfter(Program& program, int command, std::wstring_view name) {
    return ChooseAfter(
        program, [&] { program.Command(command); }, name);
}

bool ChooseAfter(Program& program, const std::function<void()>& open, std::wstring_view name) {
    open();
    const HWND dialog = WaitForFileDialog(program);
    if (!dialog) return false;
    return ChooseInFileDialog(dialog, name) && WaitUntil([&] { return !IsWindow(dialog); });
}

}  // namespace e2e
