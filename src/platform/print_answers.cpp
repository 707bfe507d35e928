#include "platform/print_answers.h"

PrintDialogOutcome OutcomeOf(unsigned long action) {
    switch (static_cast<PrintDialogAction>(action)) {
        case PrintDialogAction::Print:
            return {.Prints = true, .KeepsSettings = true};
        case PrintDialogAction::Apply:
            return {.KeepsSettings = true};
        case PrintDialogAction::Cancel:
            break;
    }
    return {};
}

bool StartCancelledByUser(unsigned long lastError) {
    return lastError == CancelledByUserError;
}
