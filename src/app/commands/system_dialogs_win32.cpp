#include "app/commands/system_dialogs_win32.h"

#include "persistence/work_file_name.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/message_box.h"

std::wstring SystemDialogs::ChoosePath(WorkFileDialogMode mode, const std::wstring& initialFolder,
                                       const std::wstring& proposedName) {
    FileDialogRequest request;
    request.Owner = Owner;
    request.Mode = mode == WorkFileDialogMode::Open ? FileDialogMode::Open : FileDialogMode::Save;
    request.TypeDescription = L"Almanaque";
    request.TypePattern = std::wstring(L"*.") + WorkFileExtension;
    request.DefaultExtension = WorkFileExtension;
    request.InitialFolder = initialFolder;
    request.ProposedName = proposedName;
    return ShowFileDialog(request);
}

bool SystemDialogs::AskOverwrite() {
    return AskYesNo(OverwriteQuestion);
}

bool SystemDialogs::AskYesNo(const std::wstring& question) {
    return ::AskYesNo(Owner, question);
}

Answer SystemDialogs::AskYesNoCancel(const std::wstring& question) {
    switch (::AskYesNoCancel(Owner, question)) {
        case IDYES:
            return Answer::Yes;
        case IDNO:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

void SystemDialogs::ShowMessage(const wchar_t* text) {
    ::ShowMessage(Owner, text);
}
