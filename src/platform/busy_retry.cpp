#include "platform/busy_retry.h"

namespace {
constexpr int PauseMilliseconds = 100;
constexpr int Pauses = 20;
}  // namespace

bool RetryWhileBusy(const std::function<FileAttempt()>& attempt,
                    const std::function<void(int)>& pause) {
    for (int pauses = 0;; ++pauses) {
        const FileAttempt result = attempt();
        if (result != FileAttempt::Busy) return result == FileAttempt::Done;
        if (pauses == Pauses) return false;
        pause(PauseMilliseconds);
    }
}
