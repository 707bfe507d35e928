#pragma once
// The system's print dialog as the program uses it: owned by a window, on the default printer
// with the page turned to landscape, one page with no ranges to choose; the printer, its own
// properties and the copies are the user's choice.

#include <windows.h>

#include "platform/win32/handles.h"

// False only when the system says for certain that there is no printer at all.
bool AnyPrinterInstalled();

struct PrinterChoice {
    enum class Outcome { Print, Cancelled, Failed };
    Outcome What = Outcome::Failed;
    UniqueDc Printer;  // with Print: the chosen printer's device context, set up as chosen
};

PrinterChoice ChoosePrinter(HWND owner);
