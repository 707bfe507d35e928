#pragma once
// "Imprimir año...": the year asked for in a small dialog (the month chooser's year box and
// rules; "Aceptar" and "Cancelar"), then the system's print dialog as for "Imprimir", then the
// year's twelve sheets (app/document/year_sheets.h) as twelve pages of one job, with a small
// window telling the month printing and "Cancelar", which aborts the job and says nothing more.
// Nothing in the sheet on show or in any file changes.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "app/document/year_sheets.h"
#include "platform/win32/print_dialog.h"

inline constexpr const wchar_t* YearUnprintableMessage =
    L"No se ha podido imprimir el a\u00f1o ...";

// The year chosen, the one proposed at first; none on "Cancelar".
std::optional<std::int16_t> RunYearDialog(HWND owner, std::int16_t proposed);

// Prints the sheets the function gives for the year chosen; a year whose work file cannot be read
// is told, naming the file, and prints nothing.
void PrintYear(HWND owner, PrinterSettings& kept, const MonthSheet& shown,
               const std::function<YearSheets(std::int16_t year)>& sheetsOf);
