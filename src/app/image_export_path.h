#pragma once
// Where "Grabar Imagen" writes: the folder of the program's own executable (its full path cut
// after the last backslash), the image's base name and ".bmp".

#include <string>
#include <string_view>

std::wstring ImageExportPath(std::wstring_view programPath, std::wstring_view imageBaseName);
