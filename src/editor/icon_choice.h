#pragma once
// Choosing icon files. The path chosen last (DialogMemory::ChosenIconPath) is shared by the nine
// "Icono" buttons of every day, and the chooser opens in that file's folder.

#include <string>
#include <string_view>

#include "calendar/month_sheet.h"
#include "platform/dialog_memory.h"

// Right before the chooser opens: LastFolder becomes the folder of the icon chosen last.
// Returns the folder to open in; empty means the process's current directory.
std::wstring PrepareIconChoice(DialogMemory& memory);

// Right after the chooser closed: the chosen path (Windows-1252, empty when the user cancelled)
// without its leading and trailing blanks becomes the icon chosen last, and LastFolder follows it.
void TakeIconChoice(DialogMemory& memory, std::string_view chosenPath);

// Can the work file store this chosen path (without its surrounding blanks) as an icon's path:
// in Windows-1252 and within IconPathLimit characters?
bool IconPathStorable(std::wstring_view chosenPath);

inline constexpr wchar_t IconPathUnstorableMessage[] =
    L"No se puede usar este icono ...\r\n"
    L"Su ruta tiene letras que el fichero de trabajo no puede guardar o es demasiado larga.";

// The icon chosen last for one of a day's icons: when it names an existing file, the icon's
// Path becomes that path padded with blanks to IconPathLimit characters, and true is returned;
// otherwise nothing changes. Shown is never touched.
bool StoreIconChoice(DayIcon& icon, const DialogMemory& memory);
