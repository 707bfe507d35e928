#include "app/image_export_win32.h"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "app/image_export_path.h"
#include "platform/cp1252.h"
#include "platform/win32/handles.h"
#include "platform/win32/message_box.h"
#include "platform/win32/program_file.h"
#include "render/bitmap_file.h"

bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) return false;
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    std::size_t written = 0;
    bool ok = true;
    while (ok && written < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
        DWORD done = 0;
        ok = WriteFile(file.Get(), bytes.data() + written, chunk, &done, nullptr) && done == chunk;
        written += done;
    }
    const bool closed = CloseHandle(file.Release()) != FALSE;
    if (ok && closed) return true;
    DeleteFileW(path.c_str());
    return false;
}

void ExportSheetImage(const GdiCanvas& canvas, std::string_view imageBaseName) {
    const std::wstring path = ImageExportPath(ProgramFilePath(), Cp1252ToWide(imageBaseName));
    if (!WriteWholeFile(path, EncodeBitmapFile(canvas.ReadPixels()))) {
        ShowMessage(L"No se ha podido grabar la imagen ...");
        return;
    }
    ShowMessage(L"Mes fotocopiado a bitmap ...");
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
