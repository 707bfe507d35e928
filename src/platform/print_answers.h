#pragma once
// What the system's printing calls answer, as the program takes it. Apart from the calls, so
// that answers Wine never gives (a cancelled "Microsoft Print to PDF") are tested too.

// ERROR_CANCELLED: "The operation was canceled by the user."
inline constexpr unsigned long CancelledByUserError = 1223;

// Whether a job whose StartDoc failed with this last error was given up by the user in a box
// its printer showed, as "Microsoft Print to PDF" asks there where to save the file: nothing is
// said then. Every other failure, a job cancelled in the queue included, is one.
bool StartCancelledByUser(unsigned long lastError);
