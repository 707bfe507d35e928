#pragma once
// "Imprimir": the sheet as the window shows it, today's mark included, printed through the
// system's print dialog on one page of the printer the user chooses, at that printer's own
// resolution, fitted into its printable area; the job is named after the sheet
// ("Almanaque - Mayo 2027"). Nothing in the document changes.

#include <windows.h>

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "calendar/month_sheet.h"
#include "platform/win32/handles.h"
#include "platform/win32/print_dialog.h"

inline constexpr const wchar_t* NoPrinterMessage =
    L"No hay ninguna impresora instalada ...\r\n"
    L"Para imprimir la hoja hay que a\u00f1adir una impresora en Windows.";
inline constexpr const wchar_t* SheetUnprintableMessage = L"No se ha podido imprimir la hoja ...";

// The whole command: a message when there is no printer or the job fails; nothing on Cancel,
// in the print dialog or in a box of the printer's own.
void PrintSheet(HWND owner, PrinterSettings& kept, const MonthSheet& sheet);

enum class PrintJob {
    Spooled,    // the page was handed to the spooler
    Cancelled,  // given up by the user: in a box the printer showed before the job started, or
                // while the pages were made
    Failed,
};

// The job alone, on a printer's device context.
PrintJob PrintSheetOn(HDC printer, const MonthSheet& sheet);

// Asked before each page; false cancels the job (AbortDoc).
using BeforePage = std::function<bool(const MonthSheet& sheet)>;

// A job of one page a sheet, named so, on a printer's device context.
PrintJob PrintSheetsOn(HDC printer, const std::wstring& jobName,
                       std::span<const MonthSheet> sheets, const BeforePage& beforePage);

// The print dialog, started from the settings kept (for "Imprimir" and "Imprimir año" alike),
// which then hold what is chosen: the chosen printer, or none after a cancel, without any
// printer (told) or after a failure, which is told with the message given.
std::optional<UniqueDc> ChosenPrinter(HWND owner, PrinterSettings& kept, const wchar_t* failure);
