#include "platform/win32/print_dialog.h"

// commdlg.h declares the print dialog only where COM is declared
#include <objbase.h>
// after objbase.h
#include <commdlg.h>
#include <winspool.h>

#include <memory>
#include <utility>

#include "platform/print_answers.h"

static_assert(static_cast<DWORD>(PrintDialogAction::Cancel) == PD_RESULT_CANCEL &&
              static_cast<DWORD>(PrintDialogAction::Print) == PD_RESULT_PRINT &&
              static_cast<DWORD>(PrintDialogAction::Apply) == PD_RESULT_APPLY);

namespace {

// The structure must be allocated dynamically (PrintDlgEx); it must have an owner.
std::unique_ptr<PRINTDLGEXW> NewDialog(HWND owner) {
    auto dialog = std::make_unique<PRINTDLGEXW>();
    dialog->lStructSize = sizeof(PRINTDLGEXW);
    dialog->hwndOwner = owner;
    dialog->nStartPage = START_PAGE_GENERAL;
    return dialog;
}

// What the dialog hands back is the caller's to free.
PrinterSettings HandedBack(const PRINTDLGEXW& dialog) {
    return {UniqueGlobal(dialog.hDevNames), UniqueGlobal(dialog.hDevMode)};
}

// The default printer's settings, asked without the dialog, turned to landscape; none when
// nothing usable came back, and the dialog then starts from its own defaults.
PrinterSettings DefaultsInLandscape(HWND owner) {
    const auto dialog = NewDialog(owner);
    // Without PD_NOPAGENUMS the page ranges, which stay empty, would be an invalid argument.
    dialog->Flags = PD_RETURNDEFAULT | PD_NOPAGENUMS;
    const HRESULT asked = PrintDlgExW(dialog.get());
    PrinterSettings settings = HandedBack(*dialog);
    if (asked != S_OK) return {};
    if (auto* mode = static_cast<DEVMODEW*>(GlobalLock(settings.Mode.Get()))) {
        mode->dmOrientation = DMORIENT_LANDSCAPE;
        mode->dmFields |= DM_ORIENTATION;
        GlobalUnlock(settings.Mode.Get());
    }
    return settings;
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

PrinterChoice ChoosePrinter(HWND owner, PrinterSettings& chosen) {
    const bool chosenBefore = chosen.Names || chosen.Mode;
    PrinterSettings given = chosenBefore ? std::move(chosen) : DefaultsInLandscape(owner);
    const auto dialog = NewDialog(owner);
    // Copies and collation are the driver's (PD_USEDEVMODECOPIESANDCOLLATE): one page is drawn.
    dialog->Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOPAGENUMS | PD_NOSELECTION |
                    PD_NOCURRENTPAGE | PD_HIDEPRINTTOFILE;
    // The dialog may replace the settings it is given: they are its own until it hands them back.
    dialog->hDevNames = given.Names.Release();
    dialog->hDevMode = given.Mode.Release();
    dialog->dwResultAction = 0;  // zero on input, as PRINTDLGEX asks
    const HRESULT shown = PrintDlgExW(dialog.get());
    PrinterSettings handedBack = HandedBack(*dialog);
    UniqueDc printer(shown == S_OK ? dialog->hDC : nullptr);
    if (shown != S_OK) return {};
    const PrintDialogOutcome outcome = OutcomeOf(dialog->dwResultAction);
    // Cancelled, it hands back what it was given: what was chosen before stays, defaults go.
    if (outcome.KeepsSettings || chosenBefore) chosen = std::move(handedBack);
    if (!outcome.Prints) return {PrinterChoice::Outcome::Cancelled, {}};
    if (!printer) return {};
    return {PrinterChoice::Outcome::Print, std::move(printer)};
}
