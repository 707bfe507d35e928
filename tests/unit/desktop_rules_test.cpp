// The rules behind the recent files and dropped files.

#include <gtest/gtest.h>

#include "app/main_menu.h"
#include "app/recent_files.h"
#include "persistence/work_file_name.h"

namespace {

using namespace std::string_literals;

TEST(RecentFiles, NewestFirstOnceEachWhateverTheCaseAndEightAtMost) {
    RecentFiles list;
    for (int k = 1; k <= 9; ++k) list = WithRecentFile(list, L"C:\\h\\" + std::to_wstring(k));
    ASSERT_EQ(list.size(), 8u);
    EXPECT_EQ(list.front(), L"C:\\h\\9");
    EXPECT_EQ(list.back(), L"C:\\h\\2");

    list = WithRecentFile(list, L"c:\\H\\5");
    EXPECT_EQ(list.size(), 8u);
    EXPECT_EQ(list[0], L"c:\\H\\5");
    EXPECT_EQ(list[1], L"C:\\h\\9");
    EXPECT_EQ(WithRecentFile({L"D:\\A\u00d1O.VREL"}, L"d:\\a\u00f1o.vrel").size(), 1u);
    EXPECT_EQ(WithoutRecentFile(list, L"C:\\H\\9").size(), 7u);
}

TEST(RecentFiles, RegistryTextRoundTripsAndAnEditedValueObeysTheRules) {
    const RecentFiles list = {L"C:\\Mis hojas\\mayo.vrel", L"\u0141\u00f3d\u017a.vrel"};
    const std::wstring value = RecentFilesValue(list);
    EXPECT_EQ(value, L"C:\\Mis hojas\\mayo.vrel\0\u0141\u00f3d\u017a.vrel\0\0"s);
    EXPECT_EQ(RecentFilesFromValue(value), list);
    EXPECT_EQ(RecentFilesFromValue(L"a\0A\0b\0\0c\0"s), (RecentFiles{L"a", L"b"}));
    EXPECT_TRUE(RecentFilesFromValue(L"").empty());
    std::wstring many;
    for (int k = 0; k < 12; ++k) many += std::to_wstring(k) + L'\0';
    EXPECT_EQ(RecentFilesFromValue(many).size(), 8u);
    EXPECT_EQ(RecentFilesFromValue(many).front(), L"0");
}

TEST(RecentFiles, MenuLabelNumbersTheFileNameAndKeepsItsAmpersands) {
    EXPECT_EQ(RecentFileLabel(0, L"C:\\Mis hojas\\mayo.vrel"), L"&1 mayo.vrel");
    EXPECT_EQ(RecentFileLabel(7, L"D:\\a/Pan & vino.vrel"), L"&8 Pan && vino.vrel");
    EXPECT_EQ(RecentFileLabel(2, L"hoja.vrel"), L"&3 hoja.vrel");
}

TEST(DroppedFiles, OnlyANameWithTheWorkFileExtensionIsRead) {
    EXPECT_TRUE(HasWorkFileExtension(L"C:\\hojas\\mayo.vrel"));
    EXPECT_TRUE(HasWorkFileExtension(L"C:\\hojas\\MAYO.VReL"));
    EXPECT_FALSE(HasWorkFileExtension(L"C:\\hojas\\mayo.bmp"));
    EXPECT_FALSE(HasWorkFileExtension(L"C:\\hojas\\mayo.vrel.txt"));
    EXPECT_FALSE(HasWorkFileExtension(L"C:\\hojas\\mayovrel"));
    EXPECT_FALSE(HasWorkFileExtension(L"vrel"));
}

TEST(MenuShortcuts, ShownBesideTheirItemsAsWindowsShowsThem) {
    const auto textOf = [](int id) {
        for (const MenuEntry& entry : MainMenuEntries)
            if (entry.Id == id) return MenuItemText(entry);
        return std::wstring();
    };
    EXPECT_EQ(textOf(MenuCommand::New), L"Nuevo\tCtrl+U");
    EXPECT_EQ(textOf(MenuCommand::Open), L"Leer\tCtrl+A");
    EXPECT_EQ(textOf(MenuCommand::Save), L"Grabar\tCtrl+G");
    EXPECT_EQ(textOf(MenuCommand::Print), L"Imprimir\tCtrl+P");
    EXPECT_EQ(textOf(MenuCommand::ExportImage), L"Grabar Imagen");
}

}  // namespace
