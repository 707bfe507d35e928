#include "editor/icon_chooser_win32.h"

#include "editor/icon_choice.h"
#include "platform/cp1252.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/message_box.h"

void ChooseIconFile(HWND owner, DialogMemory& memory) {
    FileDialogRequest request;
    request.Owner = owner;
    request.Mode = FileDialogMode::Open;
    request.TypeDescription = L"Icon";
    request.TypePattern = L"*.ico";
    request.DefaultExtension = L"ico";
    request.InitialFolder = PrepareIconChoice(memory);
    const std::wstring chosen = ShowFileDialog(request);
    if (IconPathStorable(chosen)) {
        TakeIconChoice(memory, WideToCp1252(chosen));
    } else {
        // As a cancel: nothing is chosen, rather than a path that names no file.
        ShowMessage(owner, IconPathUnstorableMessage);
        TakeIconChoice(memory, "");
    }
}
