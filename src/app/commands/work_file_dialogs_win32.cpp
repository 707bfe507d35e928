#include "app/commands/work_file_dialogs_win32.h"

#include "persistence/work_file_name.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/message_box.h"

std::wstring SystemWorkFileDialogs::ChoosePath(WorkFileDialogMode mode,
                                               const std::wstring& initialFolder) {
    FileDialogRequest request;
    request.Owner = Owner;
    request.Mode = mode == WorkFileDialogMode::Open ? FileDialogMode::Open : FileDialogMode::Save;
    request.TypeDescription = L"Almanaque";
    request.TypePattern = std::wstring(L"*.") + WorkFileExtension;
    request.DefaultExtension = WorkFileExtension;
    request.InitialFolder = initialFolder;
    return ShowFileDialog(request);
}

bool SystemWorkFileDialogs::AskOverwrite() {
    return AskYesNo(OverwriteQuestion);
}

bool SystemWorkFileDialogs::AskYesNo(const std::wstring& question) {
    return ::AskYesNo(question);
}

Answer SystemWorkFileDialogs::AskYesNoCancel(const std::wstring& question) {
    switch (::AskYesNoCancel(question)) {
        case IDYES:
            return Answer::Yes;
        case IDNO:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

void SystemWorkFileDialogs::ShowMessage(const wchar_t* text) {
    ::ShowMessage(text);
}
