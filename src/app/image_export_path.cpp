#include "app/image_export_path.h"

std::wstring ImageExportPath(std::wstring_view programPath, std::wstring_view imageBaseName) {
    const std::size_t separator = programPath.rfind(L'\\');
    const std::wstring_view folder = separator == std::wstring_view::npos
                                         ? std::wstring_view{}
                                         : programPath.substr(0, separator + 1);
    return std::wstring(folder) + std::wstring(imageBaseName) + L".bmp";
}
