#pragma once
// "Grabar Imagen": the sheet drawn afresh on a canvas of the 96-dpi sheet (1122 x 794, whatever
// the scale on screen, today's mark included), written as a 24-bit bitmap file beside the
// program (ImageBaseName + ".bmp", an older file of that name replaced without a question), a
// message saying so, then the file handed to the desktop's "open" action. When the file cannot
// be written completely, no partial file is left, the failure is said and nothing is handed over.

#include <windows.h>

#include <string_view>

#include "render/gdi_canvas_win32.h"

void ExportSheetImage(HWND owner, const GdiCanvas& canvas, std::string_view imageBaseName);
