#include "app/commands/image_export_win32.h"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "app/commands/image_export_path.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/win32/message_box.h"
#include "platform/win32/program_file.h"
#include "render/bitmap_file.h"

void ExportSheetImage(HWND owner, const GdiCanvas& canvas, std::string_view imageBaseName) {
    const std::wstring path = ImageExportPath(ProgramFilePath(), Cp1252ToWide(imageBaseName));
    if (!WriteWholeFile(path, EncodeBitmapFile(canvas.ReadPixels()))) {
        ShowMessage(owner, ImageUnwritableMessage);
        return;
    }
    ShowMessage(owner, L"Mes fotocopiado a bitmap ...");
    // Whatever the desktop does with it is its own affair: no message if nothing opens it.
    SHELLEXECUTEINFOW open{};
    open.cbSize = sizeof open;
    open.fMask = SEE_MASK_FLAG_NO_UI;
    open.lpVerb = L"open";
    open.lpFile = path.c_str();
    open.lpParameters = L"";
    open.lpDirectory = L"";
    open.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&open);
}
