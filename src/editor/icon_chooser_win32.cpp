#include "editor/icon_chooser_win32.h"

#include "editor/icon_choice.h"
#include "platform/cp1252.h"
#include "platform/win32/file_dialog.h"

void ChooseIconFile(HWND owner, PathField& slot) {
    FileDialogRequest request;
    request.Owner = owner;
    request.Mode = FileDialogMode::Open;
    request.TypeDescription = L"Icon";
    request.TypePattern = L"*.ico";
    request.DefaultExtension = L"ico";
    request.InitialFolder = Cp1252ToWide(PrepareFileChoice(slot));
    TakeFileChoice(slot, WideToCp1252(ShowFileDialog(request)));
}
