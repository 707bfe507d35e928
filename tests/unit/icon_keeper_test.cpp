#include "render/icon_keeper.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// The keeper over a made-up folder: stamps and unloadable files as each test sets them; an icon
// is the number of the load that made it, so a test sees whether it was loaded again.
class IconKeeperTest : public testing::Test {
  protected:
    // The icon drawn for the path in a new draw; 0 for none.
    int Draw(const std::wstring& path) {
        Keeper.BeginDraw();
        return Request(path);
    }
    // The icon for the path asked again within the same draw.
    int Request(const std::wstring& path) {
        const int* icon = Keeper.Get(
            {path, 33},
            [&]() -> std::optional<FileStamp> {
                const auto found = Stamps.find(path);
                if (found == Stamps.end()) return std::nullopt;
                return found->second;
            },
            [&]() -> std::unique_ptr<int> {
                ++Loads;
                if (Unloadable.contains(path)) return nullptr;
                return std::make_unique<int>(Loads);
            });
        return icon ? *icon : 0;
    }

    IconKeeper<int> Keeper;
    std::map<std::wstring, FileStamp> Stamps;
    std::set<std::wstring> Unloadable;
    int Loads = 0;
};

TEST_F(IconKeeperTest, AnUnchangedFileIsLoadedOnceAndAnyChangeOfItsStampLoadsItAgain) {
    // The nine sample icons are all 4,286 bytes; a copy restored over one keeps its time.
    Stamps[L"a.ico"] = {7, 100, 4286, 5000};
    EXPECT_EQ(Draw(L"a.ico"), 1);
    EXPECT_EQ(Request(L"a.ico"), 1);
    EXPECT_EQ(Draw(L"a.ico"), 1);

    Stamps[L"a.ico"].FileIndex = 101;  // replaced by another file of the same size and time
    EXPECT_EQ(Draw(L"a.ico"), 2);
    Stamps[L"a.ico"].VolumeSerial = 8;  // the same index on another volume
    EXPECT_EQ(Draw(L"a.ico"), 3);
    Stamps[L"a.ico"].Size = 4287;
    EXPECT_EQ(Draw(L"a.ico"), 4);
    Stamps[L"a.ico"].LastWrite = 5002;
    EXPECT_EQ(Draw(L"a.ico"), 5);
    EXPECT_EQ(Draw(L"a.ico"), 5);
}

TEST_F(IconKeeperTest, AFailedLoadIsTriedOncePerDrawUntilItSucceeds) {
    // Another program holds the file while it writes it; size and time stay the same.
    Stamps[L"a.ico"] = {7, 100, 4286, 5000};
    Unloadable.insert(L"a.ico");
    EXPECT_EQ(Draw(L"a.ico"), 0);
    EXPECT_EQ(Request(L"a.ico"), 0);
    EXPECT_EQ(Loads, 1);
    EXPECT_EQ(Draw(L"a.ico"), 0);
    EXPECT_EQ(Loads, 2);
    Unloadable.clear();
    EXPECT_EQ(Draw(L"a.ico"), 3);
}

TEST_F(IconKeeperTest, VanishedAndUnusedFilesAreForgotten) {
    Stamps[L"a.ico"] = {7, 100, 4286, 5000};
    Stamps[L"b.ico"] = {7, 200, 4286, 5000};
    EXPECT_EQ(Draw(L"a.ico"), 1);
    const FileStamp kept = Stamps[L"a.ico"];
    Stamps.erase(L"a.ico");
    EXPECT_EQ(Draw(L"a.ico"), 0);
    Stamps[L"a.ico"] = kept;  // back exactly as it was
    EXPECT_EQ(Draw(L"a.ico"), 2);

    // A draw without a.ico releases it: the draw after that loads it again.
    EXPECT_EQ(Draw(L"b.ico"), 3);
    EXPECT_EQ(Draw(L"a.ico"), 4);
}

}  // namespace
