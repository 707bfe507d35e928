#include "platform/win32/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace {

std::wstring CurrentDirectory() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    std::vector<wchar_t> folder(length + 1, L'\0');
    GetCurrentDirectoryW(length + 1, folder.data());
    return folder.data();
}

}  // namespace

std::wstring ShowFileDialog(const FileDialogRequest& request) {
    std::wstring filter = request.TypeDescription;
    filter.push_back(L'\0');
    filter += request.TypePattern;
    filter.push_back(L'\0');
    const std::wstring currentDirectory = CurrentDirectory();
    const std::wstring& initialFolder =
        request.InitialFolder.empty() ? currentDirectory : request.InitialFolder;
    std::vector<wchar_t> chosen(32768, L'\0');
    // The buffer's text on entry is the name the name box starts with.
    request.ProposedName.copy(chosen.data(),
                              std::min(request.ProposedName.size(), chosen.size() - 1));

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = request.Owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrInitialDir = initialFolder.c_str();
    dialog.lpstrDefExt = request.DefaultExtension.c_str();
    // No hook and no template: either would make Windows show the old Explorer-style dialog
    // instead of the current one, which places itself.
    dialog.Flags = OFN_ENABLESIZING | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    // A save dialog that demanded an existing file could not create a new work file.
    if (request.Mode == FileDialogMode::Open) dialog.Flags |= OFN_FILEMUSTEXIST;

    const BOOL accepted = request.Mode == FileDialogMode::Open ? GetOpenFileNameW(&dialog)
                                                               : GetSaveFileNameW(&dialog);
    // OFN_NOCHANGEDIR is documented as ineffective for the open dialog, which may leave the
    // process in the folder the user browsed to.
    SetCurrentDirectoryW(currentDirectory.c_str());
    return accepted ? std::wstring(chosen.data()) : std::wstring();
}
