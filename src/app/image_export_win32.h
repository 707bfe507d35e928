#pragma once
// "Grabar Imagen": the sheet as it was last drawn, written as a 24-bit bitmap file beside the
// program (ImageBaseName + ".bmp", an older file of that name replaced without a question), a
// message saying so, then the file handed to the desktop's "open" action. When the file cannot
// be written completely, no partial file is left, the failure is said and nothing is handed over.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/gdi_canvas.h"

void ExportSheetImage(const GdiCanvas& canvas, std::string_view imageBaseName);

// Creates or replaces the file with exactly these bytes; on any failure after the file was
// opened, the partial file is removed. True when every byte was written.
bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes);
