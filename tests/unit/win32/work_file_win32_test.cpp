#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <thread>

#include "persistence/work_file.h"
#include "unit/work_file_helpers.h"

namespace {

using namespace work_file_test;

// Another program's handle on a file, opened without sharing unless told.
class HeldFile {
  public:
    explicit HeldFile(const fs::path& path, DWORD sharing = 0)
        : Handle(CreateFileW(path.wstring().c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() { Release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    bool Held() const { return Handle != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Held()) CloseHandle(Handle);
        Handle = INVALID_HANDLE_VALUE;
    }

  private:
    HANDLE Handle;
};

class WorkFileOnWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        Saved = DressedSheet(2024, 3);
        ASSERT_TRUE(WriteWorkFile(File.wstring(), *Saved));
        OldBytes = FileBytes(File);
        ASSERT_EQ(OldBytes.size(), 49u * 2652u);
    }

    ScratchFolder Scratch;
    fs::path File = Scratch.Path("abril.vrel");
    std::unique_ptr<MonthSheet> Saved;
    Bytes OldBytes;
};

// The save waits about two seconds for a file held without sharing, then gives up.
TEST_F(WorkFileOnWindows, SaveOverAFileHeldWithoutSharingWaitsForItOrKeepsTheOldFile) {
    auto changed = DressedSheet(2025, 4);
    {
        HeldFile other(File);
        ASSERT_TRUE(other.Held());
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(WriteWorkFile(File.wstring(), *changed));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    }
    EXPECT_TRUE(FileBytes(File) == OldBytes);
    EXPECT_EQ(Scratch.Names(), std::vector<std::string>{"abril.vrel"});

    // Let go after a second: the same save goes through.
    HeldFile other(File);
    std::thread letGo([&] { Sleep(1000), other.Release(); });
    EXPECT_TRUE(WriteWorkFile(File.wstring(), *changed));
    letGo.join();
    EXPECT_FALSE(FileBytes(File) == OldBytes);
    EXPECT_EQ(Scratch.Names(), std::vector<std::string>{"abril.vrel"});
}

TEST_F(WorkFileOnWindows, SaveIntoAFolderThatCannotBeWrittenKeepsTheOldFile) {
    // The host's /proc, seen through drive Z:, takes no new files, not even from root.
    const fs::path locked = L"Z:\\proc\\version";
    if (GetFileAttributesW(locked.wstring().c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no unwritable folder with a file in it";
    const Bytes before = FileBytes(locked);
    ASSERT_FALSE(before.empty());

    EXPECT_FALSE(WriteWorkFile(locked.wstring(), *Saved));
    EXPECT_TRUE(FileBytes(locked) == before);
}

TEST_F(WorkFileOnWindows, AFileHeldWithoutSharingIsNotRead) {
    auto sheet = DressedSheet(1999, 11);
    const auto before = std::make_unique<MonthSheet>(*sheet);
    {
        HeldFile other(File);
        ASSERT_TRUE(other.Held());
        const WorkFileRead refused = ReadWorkFile(File.wstring(), *sheet);
        EXPECT_EQ(refused.Result, ReadResult::Unreadable);
        EXPECT_TRUE(*before == *sheet);
        EXPECT_FALSE(refused.ImageBaseName.has_value());
    }
    // Another reader does not keep it from being read.
    HeldFile reader(File, FILE_SHARE_READ);
    const WorkFileRead read = ReadWorkFile(File.wstring(), *sheet);
    EXPECT_EQ(read.Result, ReadResult::Replaced);
    EXPECT_EQ(read.ImageBaseName, "2024 3");
}

}  // namespace
