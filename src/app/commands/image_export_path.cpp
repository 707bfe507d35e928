#include "app/commands/image_export_path.h"

#include "platform/path_text.h"

std::wstring ImageExportPath(std::wstring_view programPath, std::wstring_view imageBaseName) {
    return FolderOf(programPath) + std::wstring(imageBaseName) + L".bmp";
}
