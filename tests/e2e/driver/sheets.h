#pragma once
// Sheets made by the test itself with the program's own document, drawing and file code, to be
// compared with what the running program produced.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/month_sheet.h"
#include "persistence/day_record.h"
#include "platform/clock.h"
#include "render/bitmap_file.h"
#include "render/draw_month_sheet.h"

namespace e2e {

// A new sheet of the month drawn on a screen-sized canvas, today's date marked as the program
// marks it unless another is given.
PixelImage DrawFreshSheet(int year, int month, std::optional<LocalDate> today = TodayLocal());

// What a window shows, read from the screen.
PixelImage CaptureWindow(HWND window);

// Writes a work file of the month whose every day carries a free text line, so that a sheet
// read from it differs visibly from a default one. False when it could not be written.
bool WriteDressedWorkFile(const std::wstring& path, int year, int month);

// Writes a work file of February 2024 that shows everything a user can put on a sheet: icons by
// a name beside the program and by full path, one that is missing, coloured lines of text and
// saints, numbers in every place and colour, another face in some cells.
bool WriteDecoratedWorkFile(const std::wstring& path);

// The record of a work file's bytes that names the place; none when no record names it.
std::optional<DayRecord> RecordOfPlace(const std::vector<std::uint8_t>& file, int column, int row);

// The bitmap file a default sheet of the month exports to: drawn directly by the renderer
// and encoded as the program does.
std::vector<std::uint8_t> DefaultSheetBitmap(int year, int month);

}  // namespace e2e
