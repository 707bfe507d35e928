#pragma once
// Sheets made by the test itself with the program's own document, drawing and file code, to be
// compared with what the running program produced.

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// Writes a work file of the month whose every day carries a free text line, so that a sheet
// read from it differs visibly from a default one. False when it could not be written.
bool WriteDressedWorkFile(const std::wstring& path, int year, int month);

// The bitmap file a default sheet of the month exports to: drawn directly by the renderer
// and encoded as the program does.
std::vector<std::uint8_t> DefaultSheetBitmap(int year, int month);

}  // namespace e2e
