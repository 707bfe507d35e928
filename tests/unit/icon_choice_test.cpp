#include "editor/icon_choice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

TEST(LastFolder, IsTheFolderPartOfTheTrimmedPathCutToItsLength) {
    DialogMemory memory;
    memory.FollowPath(L"  C:\\Iconos\\frutas\\apple.ico   ");
    EXPECT_EQ(memory.LastFolder, L"C:\\Iconos\\frutas\\");
    memory.FollowPath(L"D:apple.ico");
    EXPECT_EQ(memory.LastFolder, L"D:");
    memory.FollowPath(L"apple.ico");
    EXPECT_EQ(memory.LastFolder, L"");
    const std::wstring longFolder = L"C:\\" + std::wstring(250, L'c') + L"\\";  // 254 characters
    memory.FollowPath(longFolder + L"x.ico");
    EXPECT_EQ(memory.LastFolder, longFolder);
    memory.FollowPath(L"C:\\" + std::wstring(252, L'c') + L"\\x");  // folder of 256 characters
    EXPECT_EQ(memory.LastFolder, L"C:\\" + std::wstring(251, L'c'));
    memory.FollowPath(L"C:\\" + std::wstring(257, L'c'));  // 260 characters: a folder
    EXPECT_EQ(memory.LastFolder, L"C:\\");
    memory.FollowPath(L"C:\\" + std::wstring(258, L'c'));  // 261 characters: no folder at all
    EXPECT_EQ(memory.LastFolder, L"");
}

TEST(IconChoiceMemory, StartsEmptyAndOpensTheFirstChooserInTheCurrentDirectory) {
    DialogMemory memory;
    memory.FollowPath(L"C:\\antes\\x.vrel");
    EXPECT_EQ(memory.ChosenIconPath, "");
    EXPECT_EQ(PrepareIconChoice(memory), L"");
    EXPECT_EQ(memory.LastFolder, L"");
}

TEST(IconChoiceMemory, HoldsTheTrimmedChoiceAndLastFolderFollowsIt) {
    DialogMemory memory;
    TakeIconChoice(memory, "   C:\\Iconos\\sol.ico  ");
    EXPECT_EQ(memory.ChosenIconPath, "C:\\Iconos\\sol.ico");
    EXPECT_EQ(memory.LastFolder, L"C:\\Iconos\\");
    memory.FollowPath(L"D:\\otra\\x.vrel");
    EXPECT_EQ(PrepareIconChoice(memory), L"C:\\Iconos\\");

    // A cancelled chooser leaves no choice, and the next one opens in the current directory.
    TakeIconChoice(memory, "");
    EXPECT_EQ(memory.ChosenIconPath, "");
    EXPECT_EQ(memory.LastFolder, L"");
}

TEST(IconChoice, AnExistingFileIsStoredWithItsPaddingAndTheBoxIsLeftAlone) {
    const std::string path = ExistingIconPath();
    ASSERT_LT(path.size(), 255u);
    DayIcon icon{Flag::Off, "C:\\viejo.ico"};
    DialogMemory memory;
    TakeIconChoice(memory, path);

    ASSERT_TRUE(StoreIconChoice(icon, memory));
    EXPECT_EQ(icon.Path, path + std::string(255 - path.size(), ' '));
    EXPECT_EQ(IconFileOf(icon), path);
    EXPECT_EQ(icon.Shown, Flag::Off);
}

TEST(IconChoice, ASeventeenCharacterPathTakesTwoHundredThirtyEightBlanks) {
    // A file named relative to the current directory, so its path has exactly 17 characters.
    const std::string name = "almanaque_17c.ico";
    ASSERT_EQ(name.size(), 17u);
    std::ofstream(name, std::ios::binary) << "x";
    DayIcon icon;
    DialogMemory memory;
    TakeIconChoice(memory, name);
    ASSERT_TRUE(StoreIconChoice(icon, memory));
    EXPECT_EQ(icon.Path, name + std::string(238, ' '));
    fs::remove(name);
}

TEST(IconChoice, ACancelledOrMissingChoiceKeepsTheOldIcon) {
    DayIcon icon{Flag::On, "C:\\viejo\\luna.ico"};
    DialogMemory memory;
    EXPECT_FALSE(StoreIconChoice(icon, memory));  // nothing chosen yet
    TakeIconChoice(memory, "");
    EXPECT_FALSE(StoreIconChoice(icon, memory));
    TakeIconChoice(memory, ExistingIconPath() + ".no_existe");
    EXPECT_FALSE(StoreIconChoice(icon, memory));
    EXPECT_EQ(icon.Path, "C:\\viejo\\luna.ico");
}

TEST(IconChoice, OnlyAPathTheWorkFileCanHoldIsStorable) {
    EXPECT_TRUE(IconPathStorable(L"  C:\\Iconos\\Se\u00f1al \u20ac.ico  "));
    EXPECT_FALSE(IconPathStorable(L"C:\\\u03a9mega\\sol.ico"));
    EXPECT_TRUE(IconPathStorable(L"C:\\" + std::wstring(252, L'a')));  // 255 characters
    EXPECT_FALSE(IconPathStorable(L"C:\\" + std::wstring(253, L'a')));
}

}  // namespace
