#include "platform/print_answers.h"

bool StartCancelledByUser(unsigned long lastError) {
    return lastError == CancelledByUserError;
}
