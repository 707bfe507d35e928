#include <gtest/gtest.h>
#include <windows.h>

#include "persistence/work_file.h"
#include "unit/work_file_helpers.h"

namespace {

using namespace work_file_test;

// Another program's handle on a file, opened without sharing.
class HeldFile {
  public:
    explicit HeldFile(const fs::path& path)
        : Handle(CreateFileW(path.wstring().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
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
        SetWorkFile(*Saved, File);
        ASSERT_TRUE(WriteWorkFile(*Saved));
        OldBytes = FileBytes(File);
        ASSERT_EQ(OldBytes.size(), 49u * 2652u);
    }

    ScratchFolder Scratch;
    fs::path File = Scratch.Path("abril.vrel");
    std::unique_ptr<MonthSheet> Saved;
    Bytes OldBytes;
};

TEST_F(WorkFileOnWindows, SaveOverAFileHeldWithoutSharingKeepsTheOldFile) {
    HeldFile other(File);
    ASSERT_TRUE(other.Held());

    auto changed = DressedSheet(2025, 4);
    SetWorkFile(*changed, File);
    EXPECT_FALSE(WriteWorkFile(*changed));
    other.Release();

    EXPECT_TRUE(FileBytes(File) == OldBytes);
    EXPECT_EQ(Scratch.Names(), std::vector<std::string>{"abril.vrel"});

    // Once the other program lets go, the same save goes through.
    EXPECT_TRUE(WriteWorkFile(*changed));
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

    SetWorkFile(*Saved, locked);
    EXPECT_FALSE(WriteWorkFile(*Saved));
    EXPECT_TRUE(FileBytes(locked) == before);
}

TEST_F(WorkFileOnWindows, AFileHeldWithoutSharingIsNotRead) {
    auto sheet = DressedSheet(1999, 11);
    SetWorkFile(*sheet, File);
    const SheetSnapshot before(*sheet);
    std::string imageBaseName = "1999 11";
    {
        HeldFile other(File);
        ASSERT_TRUE(other.Held());
        EXPECT_EQ(ReadWorkFile(*sheet, imageBaseName), ReadResult::Unreadable);
        EXPECT_TRUE(before.Matches(*sheet));
        EXPECT_EQ(imageBaseName, "1999 11");
    }
    EXPECT_EQ(ReadWorkFile(*sheet, imageBaseName), ReadResult::Replaced);
    EXPECT_EQ(imageBaseName, "2024 3");
}

}  // namespace
