#include "platform/win32/file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "platform/win32/beside_owner.h"

namespace {

// Places the dialog once the system has built it; the owner travels in lCustData.
UINT_PTR CALLBACK PlaceDialog(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* dialog = reinterpret_cast<const OPENFILENAMEW*>(lParam);
        SetWindowLongPtrW(hook, GWLP_USERDATA, static_cast<LONG_PTR>(dialog->lCustData));
    } else if (message == WM_NOTIFY &&
               reinterpret_cast<const NMHDR*>(lParam)->code == CDN_INITDONE) {
        PlaceBesideOwner(GetParent(hook),
                         reinterpret_cast<HWND>(GetWindowLongPtrW(hook, GWLP_USERDATA)));
    }
    return 0;
}

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
    const std::wstring initialFolder =
        request.InitialFolder.empty() ? CurrentDirectory() : request.InitialFolder;
    std::vector<wchar_t> chosen(32768, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = request.Owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrInitialDir = initialFolder.c_str();
    dialog.lpstrDefExt = request.DefaultExtension.c_str();
    dialog.Flags =
        OFN_ENABLESIZING | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    // A save dialog that demanded an existing file could not create a new work file.
    if (request.Mode == FileDialogMode::Open) dialog.Flags |= OFN_FILEMUSTEXIST;
    dialog.lpfnHook = PlaceDialog;
    dialog.lCustData = reinterpret_cast<LPARAM>(request.Owner);

    const BOOL accepted = request.Mode == FileDialogMode::Open ? GetOpenFileNameW(&dialog)
                                                               : GetSaveFileNameW(&dialog);
    return accepted ? std::wstring(chosen.data()) : std::wstring();
}
