#pragma once
// Where "Grabar Imagen" writes: the folder of the program's own executable (FolderOf its full
// path), the image's base name and ".bmp".

#include <string>
#include <string_view>

std::wstring ImageExportPath(std::wstring_view programPath, std::wstring_view imageBaseName);
