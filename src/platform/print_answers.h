#pragma once
// What the system's printing calls answer, as the program takes it: how the print dialog was
// closed, and why a job could not start. Apart from the calls, so that answers Wine never gives
// ("Aplicar", a cancelled "Microsoft Print to PDF") are tested too.

// How the print dialog was closed: PrintDlgEx's dwResultAction, whose documented values these are.
enum class PrintDialogAction : unsigned long { Cancel = 0, Print = 1, Apply = 2 };

struct PrintDialogOutcome {
    bool Prints = false;
    // The printer and settings the dialog hands back are kept for its next use in the run.
    bool KeepsSettings = false;
};

// "Imprimir" prints with what was chosen and keeps it; "Aplicar" and then "Cancelar" keeps it
// and prints nothing; a plain "Cancelar" hands back what the dialog was given, and so does any
// answer not documented.
PrintDialogOutcome OutcomeOf(unsigned long action);

// ERROR_CANCELLED: "The operation was canceled by the user."
inline constexpr unsigned long CancelledByUserError = 1223;

// Whether a job whose StartDoc failed with this last error was given up by the user in a box
// its printer showed, as "Microsoft Print to PDF" asks there where to save the file: nothing is
// said then. Every other failure, a job cancelled in the queue included, is one.
bool StartCancelledByUser(unsigned long lastError);
