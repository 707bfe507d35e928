#pragma once
// Antivirus scanners, the search indexer and file-sync clients (a Documents folder kept in the
// cloud is the Windows 11 default) open a file for a moment right after it is written, replaced
// or renamed. A file operation refused because another program holds the file is tried again,
// every tenth of a second for two seconds, before it counts as failed.

#include <functional>

enum class FileAttempt { Done, Busy, Failed };

// Makes the attempt until it is done, fails for good or has been busy for two seconds of pauses;
// `pause` waits the milliseconds it is given. True when done.
bool RetryWhileBusy(const std::function<FileAttempt()>& attempt,
                    const std::function<void(int)>& pause);
