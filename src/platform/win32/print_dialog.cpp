#include "platform/win32/print_dialog.h"

// commdlg.h declares the print dialog only where COM is declared
#include <objbase.h>
// after objbase.h
#include <commdlg.h>
#include <winspool.h>

#include <memory>
#include <utility>

namespace {

void TurnToLandscape(HGLOBAL settings) {
    if (!settings) return;
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(settings));
    if (!mode) return;
    mode->dmOrientation = DMORIENT_LANDSCAPE;
    mode->dmFields |= DM_ORIENTATION;
    GlobalUnlock(settings);
}

}  // namespace

bool AnyPrinterInstalled() {
    DWORD needed = 0, count = 0;
    // Asked with no room for the list, the system tells the size it needs: none for no printer.
    if (EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0,
                      &needed, &count))
        return count > 0;
    return GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed > 0;
}

PrinterChoice ChoosePrinter(HWND owner) {
    // The structure must be allocated dynamically (PrintDlgEx); it must have an owner.
    const auto dialog = std::make_unique<PRINTDLGEXW>();
    dialog->lStructSize = sizeof(PRINTDLGEXW);
    dialog->hwndOwner = owner;
    dialog->nStartPage = START_PAGE_GENERAL;
    // The default printer's settings, asked without the dialog, start it off in landscape.
    // Without PD_NOPAGENUMS the page ranges, which stay empty, would be an invalid argument.
    dialog->Flags = PD_RETURNDEFAULT | PD_NOPAGENUMS;
    if (PrintDlgExW(dialog.get()) == S_OK) {
        TurnToLandscape(dialog->hDevMode);
    } else {
        // Nothing usable came back: the dialog starts from its own defaults.
        const UniqueGlobal mode(std::exchange(dialog->hDevMode, nullptr));
        const UniqueGlobal names(std::exchange(dialog->hDevNames, nullptr));
    }
    // Copies and collation are the driver's (PD_USEDEVMODECOPIESANDCOLLATE): one page is drawn.
    dialog->Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOPAGENUMS | PD_NOSELECTION |
                    PD_NOCURRENTPAGE | PD_HIDEPRINTTOFILE;
    const HRESULT shown = PrintDlgExW(dialog.get());
    // The settings the dialog hands back are the caller's to free, and so is the printer's DC.
    const UniqueGlobal settings(dialog->hDevMode), names(dialog->hDevNames);
    UniqueDc printer(shown == S_OK ? dialog->hDC : nullptr);
    if (shown != S_OK) return {};
    if (dialog->dwResultAction != PD_RESULT_PRINT) return {PrinterChoice::Outcome::Cancelled, {}};
    if (!printer) return {};
    return {PrinterChoice::Outcome::Print, std::move(printer)};
}
