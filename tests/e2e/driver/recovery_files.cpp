#include "driver/recovery_files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/recovery_names.h"
#include "platform/folder_files.h"

namespace e2e {

namespace {

void EmptyRecoveryFolder() {
    const std::wstring folder = RecoveryFolder();
    for (const std::wstring& name : FileNamesIn(folder)) DeleteFileW((folder + name).c_str());
}

class RecoveryFolderCleaner : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { EmptyRecoveryFolder(); }
    void OnTestEnd(const testing::TestInfo&) override { EmptyRecoveryFolder(); }
};

const bool CleanerListens = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new RecoveryFolderCleaner);
    return true;
}();

}  // namespace

std::vector<std::wstring> RecoveryCopies() {
    std::vector<std::wstring> copies;
    for (const std::wstring& name : FileNamesIn(RecoveryFolder()))
        if (RecoveryStemOf(name) && name.ends_with(L".vrel"))
            copies.push_back(RecoveryFolder() + name);
    std::sort(copies.begin(), copies.end());
    return copies;
}

bool Kill(Program& program) {
    const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, program.ProcessId());
    if (!process) return false;
    TerminateProcess(process, 1);
    CloseHandle(process);
    return program.WaitForExit().has_value();
}

}  // namespace e2e
