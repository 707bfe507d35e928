#pragma once
// The system's print dialog as the program uses it: owned by a window, one page with no ranges
// to choose; the printer, its own properties and the copies are the user's choice. Each dialog
// starts from what was chosen with the last "Imprimir" or "Aplicar"; until then, from the
// default printer with the page turned to landscape.

#include <windows.h>

#include "platform/win32/handles.h"

// False only when the system says for certain that there is no printer at all.
bool AnyPrinterInstalled();

// A printer and its settings as the dialog takes and hands them back (DEVNAMES, DEVMODE); none
// before anything was chosen.
struct PrinterSettings {
    UniqueGlobal Names;
    UniqueGlobal Mode;
};

struct PrinterChoice {
    enum class Outcome { Print, Cancelled, Failed };
    Outcome What = Outcome::Failed;
    UniqueDc Printer;  // with Print: the chosen printer's device context, set up as chosen
};

// The dialog, started from the settings chosen before, which then hold what is chosen now; a
// dialog that fails leaves none.
PrinterChoice ChoosePrinter(HWND owner, PrinterSettings& chosen);
