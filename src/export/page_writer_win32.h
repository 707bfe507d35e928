#pragma once
// The page writer of almanaque-exportar: draws a page with the program's own drawing on a GDI
// canvas at the chosen resolution and writes it as PNG or as the program's bitmap, through a
// temporary file that replaces the page only once it is complete.

#include <memory>

#include "export/export_run.h"

// One per worker thread, made on that thread.
std::unique_ptr<PageWriter> MakeGdiPageWriter(const ExportOptions& options);
