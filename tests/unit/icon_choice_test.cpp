#include "editor/icon_choice.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "calendar/last_folder.h"
#include "platform/cp1252.h"

namespace {

namespace fs = std::filesystem;

std::string ExistingIconPath() {
    const fs::path folder = fs::temp_directory_path() / "almanaque_icon_choice";
    fs::create_directories(folder);
    const fs::path file = folder / "apple.ico";
    std::ofstream(file, std::ios::binary) << "not really an icon";
    return WideToCp1252(file.wstring());
}

TEST(LastFolder, IsTheFolderPartOfTheTrimmedPathCutToItsSlot) {
    SetLastFolderFrom(L"  C:\\Iconos\\frutas\\apple.ico   ");
    EXPECT_EQ(LastFolderText(), L"C:\\Iconos\\frutas\\");
    SetLastFolderFrom(L"D:apple.ico");
    EXPECT_EQ(LastFolderText(), L"D:");
    SetLastFolderFrom(L"apple.ico");
    EXPECT_EQ(LastFolderText(), L"");
    const std::wstring longFolder = L"C:\\" + std::wstring(250, L'c') + L"\\";  // 254 characters
    SetLastFolderFrom(longFolder + L"x.ico");
    EXPECT_EQ(LastFolderText(), longFolder);
    SetLastFolderFrom(L"C:\\" + std::wstring(252, L'c') + L"\\x");  // folder of 256 characters
    EXPECT_EQ(LastFolderText(), L"C:\\" + std::wstring(251, L'c'));
    SetLastFolderFrom(L"C:\\" + std::wstring(258, L'c'));  // 261 characters: no folder at all
    EXPECT_EQ(LastFolderText(), L"");
}

TEST(IconChoiceSlot, StartsAsZerosAndOpensTheFirstChooserInTheCurrentDirectory) {
    PathField fresh = {};
    SetLastFolderFrom(L"C:\\antes\\x.vrel");
    EXPECT_EQ(PathFieldText(fresh), "");
    EXPECT_EQ(PrepareFileChoice(fresh), L"");
    EXPECT_EQ(LastFolderText(), L"");
    for (char byte : IconChoicePath) ASSERT_EQ(byte, '\0');
}

TEST(IconChoiceSlot, HoldsTheTrimmedChoiceBlankPaddedAndLastFolderFollowsIt) {
    PathField slot = {};
    TakeFileChoice(slot, "   C:\\Iconos\\sol.ico  ");
    const std::string expected = "C:\\Iconos\\sol.ico";
    EXPECT_EQ(std::string(slot, expected.size()), expected);
    for (std::size_t i = expected.size(); i < PathFieldLength; ++i) ASSERT_EQ(slot[i], ' ') << i;
    EXPECT_EQ(LastFolderText(), L"C:\\Iconos\\");
    EXPECT_EQ(PrepareFileChoice(slot), L"C:\\Iconos\\");

    // A cancelled chooser leaves only blanks, and the next one opens in the current directory.
    TakeFileChoice(slot, "");
    for (char byte : slot) ASSERT_EQ(byte, ' ');
    EXPECT_EQ(LastFolderText(), L"");

    TakeFileChoice(slot, "C:\\" + std::string(400, 'p'));
    EXPECT_EQ(PathFieldText(slot), "C:\\" + std::string(PathFieldLength - 3, 'p'));
}

TEST(IconChoice, AnExistingFileIsStoredWithItsPaddingAndTheBoxIsLeftAlone) {
    const std::string path = ExistingIconPath();
    ASSERT_LT(path.size(), 255u);
    DayCell cell{};
    cell.IconShown[4] = 0;
    cell.IconShown[5] = 1;
    PathField slot = {};
    TakeFileChoice(slot, path);

    ASSERT_TRUE(StoreIconChoice(cell, 4, slot));
    EXPECT_EQ(std::string(cell.IconPath[4], path.size()), path);
    for (std::size_t i = path.size(); i < 255; ++i) ASSERT_EQ(cell.IconPath[4][i], ' ') << i;
    EXPECT_EQ(cell.IconPath[4][255], '\0');
    EXPECT_EQ(IconFileOf(cell, 4), path);
    EXPECT_EQ(+cell.IconShown[4], 0);
    EXPECT_EQ(+cell.IconShown[5], 1);
    EXPECT_EQ(cell.IconPath[3][0], '\0');
    EXPECT_EQ(cell.IconPath[5][0], '\0');
}

TEST(IconChoice, ASeventeenCharacterPathTakesTwoHundredThirtyEightBlanks) {
    // A file named relative to the current directory, so its path has exactly 17 characters.
    const std::string name = "almanaque_17c.ico";
    ASSERT_EQ(name.size(), 17u);
    std::ofstream(name, std::ios::binary) << "x";
    DayCell cell{};
    PathField slot = {};
    TakeFileChoice(slot, name);
    ASSERT_TRUE(StoreIconChoice(cell, 0, slot));
    EXPECT_EQ(std::string(cell.IconPath[0], 255), name + std::string(238, ' '));
    EXPECT_EQ(cell.IconPath[0][255], '\0');
    fs::remove(name);
}

TEST(IconChoice, ACancelledOrMissingChoiceKeepsTheOldIcon) {
    DayCell cell{};
    AssignSlot(cell.IconPath[4], "C:\\viejo\\luna.ico");
    PathField slot = {};
    TakeFileChoice(slot, "");
    EXPECT_FALSE(StoreIconChoice(cell, 4, slot));
    TakeFileChoice(slot, ExistingIconPath() + ".no_existe");
    EXPECT_FALSE(StoreIconChoice(cell, 4, slot));
    PathField never = {};
    EXPECT_FALSE(StoreIconChoice(cell, 4, never));
    EXPECT_EQ(ReadSlot(cell.IconPath[4]), "C:\\viejo\\luna.ico");
}

TEST(IconChoice, OnlyAPathTheWorkFileCanHoldIsStorable) {
    EXPECT_TRUE(IconPathStorable(L"  C:\\Iconos\\Se\u00f1al \u20ac.ico  "));
    EXPECT_FALSE(IconPathStorable(L"C:\\\u03a9mega\\sol.ico"));
    EXPECT_TRUE(IconPathStorable(L"C:\\" + std::wstring(252, L'a')));  // 255 characters
    EXPECT_FALSE(IconPathStorable(L"C:\\" + std::wstring(253, L'a')));
}

}  // namespace
