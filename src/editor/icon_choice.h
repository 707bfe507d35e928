#pragma once
// Choosing icon files. The path chosen last lives in IconChoicePath for the whole run; the nine
// "Icono" buttons of every day share it, and the chooser opens in that file's folder.

#include <string>
#include <string_view>

#include "calendar/month_sheet.h"
#include "calendar/text_slot.h"

// 274 zero bytes at program start; once a choice has been made, the path padded with blanks.
extern PathField IconChoicePath;

// Right before the chooser opens: LastFolder becomes the folder of the slot's path. Returns the
// folder to open in; empty means the process's current directory.
std::wstring PrepareFileChoice(const PathField& slot);

// Right after the chooser closed: the chosen path (Windows-1252, empty when the user cancelled)
// goes into the slot cut to 274 bytes, without its leading and trailing blanks, blank-padded;
// LastFolder follows the new path.
void TakeFileChoice(PathField& slot, std::string_view chosenPath);

// Can the work file store this chosen path (without its surrounding blanks) as an icon's path:
// in Windows-1252 and within the 255 characters of an IconPath?
bool IconPathStorable(std::wstring_view chosenPath);

inline constexpr wchar_t IconPathUnstorableMessage[] =
    L"No se puede usar este icono ...\r\n"
    L"Su ruta tiene letras que el fichero de trabajo no puede guardar o es demasiado larga.";

// The icon choice for a position (0..8): when the slot names an existing file, the position's
// IconPath receives the slot's first 255 bytes (the path and its padding blanks) and true is
// returned; otherwise nothing changes. IconShown is never touched.
bool StoreIconChoice(DayCell& cell, int position, const PathField& slot);
