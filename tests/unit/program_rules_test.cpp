#include <gtest/gtest.h>

#include "app/commands/image_export_path.h"
#include "app/commands/month_chooser_rules.h"
#include "app/document/startup_rules.h"
#include "app/recovery/names.h"
#include "app/window/sheet_click.h"
#include "platform/leading_number.h"

namespace {

TEST(CommandLine, TailStartsAfterTheProgramNameAndTheBlanksBehindIt) {
    EXPECT_EQ(CommandTailOf(L"almanaque.exe"), L"");
    EXPECT_EQ(CommandTailOf(L"almanaque.exe   "), L"");
    EXPECT_EQ(CommandTailOf(L"\"C:\\Mis programas\\almanaque.exe\""), L"");
    EXPECT_EQ(CommandTailOf(L"\"C:\\Mis programas\\almanaque.exe\" \"D:\\a b\\mayo.vrel\""),
              L"\"D:\\a b\\mayo.vrel\"");
    EXPECT_EQ(CommandTailOf(L"almanaque.exe\tD:\\mayo.vrel  "), L"D:\\mayo.vrel  ");
    // A quoted name ends at its closing quote even without a blank behind it.
    EXPECT_EQ(CommandTailOf(L"\"almanaque.exe\"D:\\x.vrel"), L"D:\\x.vrel");
    EXPECT_EQ(CommandTailOf(L""), L"");
}

TEST(CommandLine, WorkFilePathDropsEveryDoubleQuoteAndKeepsEverythingElse) {
    EXPECT_EQ(WorkFilePathFromCommandTail(L"\"C:\\Mis datos\\mayo 2027.vrel\""),
              L"C:\\Mis datos\\mayo 2027.vrel");
    // Two paths become one path with a blank; blanks around stay.
    EXPECT_EQ(WorkFilePathFromCommandTail(L"\"C:\\a.vrel\" \"C:\\b.vrel\" "),
              L"C:\\a.vrel C:\\b.vrel ");
    EXPECT_EQ(WorkFilePathFromCommandTail(L"\"\""), L"");
}

TEST(LeadingNumber, FormsTheNumberFromTheLeadingDigitsOnly) {
    EXPECT_EQ(NumberFromLeadingDigits(""), 0);
    EXPECT_EQ(NumberFromLeadingDigits("abc"), 0);
    EXPECT_EQ(NumberFromLeadingDigits("2027"), 2027);
    EXPECT_EQ(NumberFromLeadingDigits("05 Mayo"), 5);
    EXPECT_EQ(NumberFromLeadingDigits("0012x34"), 12);
    EXPECT_EQ(NumberFromLeadingDigits(" 12"), 0);
}

TEST(LeadingNumber, AValueThatDoesNotFitSixteenBitsBecomesTheLowestValue) {
    EXPECT_EQ(NumberFromLeadingDigits("32767"), 32767);
    EXPECT_EQ(NumberFromLeadingDigits("32768"), -32768);
    EXPECT_EQ(NumberFromLeadingDigits("99999"), -32768);
    EXPECT_EQ(NumberFromLeadingDigits("123456789012345678901234567890"), -32768);
}

TEST(MonthChooserRules, ItemsAreTwoDigitsABlankAndTheNameAndSortInCalendarOrder) {
    EXPECT_EQ(MonthItemText(1), "01 Enero");
    EXPECT_EQ(MonthItemText(5), "05 Mayo");
    EXPECT_EQ(MonthItemText(9), "09 Septiembre");
    EXPECT_EQ(MonthItemText(12), "12 Diciembre");
    for (int month = 1; month < 12; ++month)
        EXPECT_LT(MonthItemText(month), MonthItemText(month + 1)) << month;
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(MonthOfItem(MonthItemText(month)), month);
}

TEST(MonthChooserRules, ClosesOnlyOnAPositiveYearAndARealMonth) {
    EXPECT_EQ(YearOfTypedText(""), 0);
    EXPECT_EQ(YearOfTypedText("2027"), 2027);
    EXPECT_EQ(YearOfTypedText("40000"), -32768);
    EXPECT_TRUE(ChooserMayClose(2027, 5));
    EXPECT_TRUE(ChooserMayClose(1, 12));
    EXPECT_TRUE(ChooserMayClose(32767, 1));
    EXPECT_FALSE(ChooserMayClose(0, 5));
    EXPECT_FALSE(ChooserMayClose(-32768, 5));
    EXPECT_FALSE(ChooserMayClose(2027, 0));
    EXPECT_FALSE(ChooserMayClose(2027, 13));
}

TEST(SheetClick, PixelsMapToTheBoxUnderThePointer) {
    // Boxes of column i span x = 160i + 2 .. 160i + 161, of row j y = 103j + 70 .. 103j + 172.
    EXPECT_EQ(GridPlaceAt(2, 173).Column, 0);
    EXPECT_EQ(GridPlaceAt(161, 173).Column, 1);  // the band at the edge belongs to the next
    EXPECT_EQ(GridPlaceAt(159, 173).Column, 0);
    EXPECT_EQ(GridPlaceAt(1121, 173).Column, 7);
    EXPECT_EQ(GridPlaceAt(0, 67).Row, -1);
    EXPECT_EQ(GridPlaceAt(0, 68).Row, 0);
    EXPECT_EQ(GridPlaceAt(0, 170).Row, 0);
    EXPECT_EQ(GridPlaceAt(0, 171).Row, 1);
    EXPECT_EQ(GridPlaceAt(0, 788).Row, 6);
    EXPECT_EQ(GridPlaceAt(0, 789).Row, 7);
    EXPECT_EQ(GridPlaceAt(0, 793).Row, 7);
    EXPECT_EQ(GridPlaceAt(65535, 65535).Column, 409);
}

class SheetClickOnSheet : public ::testing::Test {
  protected:
    void SetUp() override {
        Sheet.Year = 2024;
        Sheet.Month = 9;  // 1 September 2024 is a Sunday: (6, 1)
    }
    std::optional<GridPlace> Click(std::uint16_t x, std::uint16_t y, bool editorOpen) const {
        return DayPlaceToOpen(Sheet, GridPlaceAt(x, y), editorOpen);
    }
    MonthSheet Sheet;
};

TEST_F(SheetClickOnSheet, ADayOpensTheEditorOnExactlyThatPlace) {
    EXPECT_EQ(Click(2 * 160 + 50, 2 * 103 + 100, false), (GridPlace{2, 2}));
    EXPECT_EQ(Click(6 * 160 + 50, 103 + 100, false), (GridPlace{6, 1}));
}

TEST_F(SheetClickOnSheet, AnOpenEditorOrAPlaceWithoutDayOpensNothing) {
    EXPECT_FALSE(Click(2 * 160 + 50, 2 * 103 + 100, true));
    EXPECT_FALSE(Click(50, 100, false));                  // weekday-initial row
    EXPECT_FALSE(Click(2 * 160 + 50, 103 + 100, false));  // August's
    EXPECT_FALSE(Click(1121, 793, false));                // beyond the grid's 7 x 7
    EXPECT_FALSE(Click(2 * 160 + 50, 20, false));         // above the header row
    EXPECT_FALSE(Click(60000, 300, false));
}

TEST(ImageExportPath, SitsBesideTheProgramUnderTheImageBaseName) {
    EXPECT_EQ(ImageExportPath(L"C:\\Herramientas\\almanaque.exe", L"2026 12"),
              L"C:\\Herramientas\\2026 12.bmp");
    EXPECT_EQ(ImageExportPath(L"Z:\\tmp\\a b\\c\\programa.exe", L"2024 3"),
              L"Z:\\tmp\\a b\\c\\2024 3.bmp");
    EXPECT_EQ(ImageExportPath(L"programa.exe", L"2024 3"), L"2024 3.bmp");
}

TEST(RecoveryNames, AStemsFilesAreKnownByItAndNoOtherNameIs) {
    using namespace std::string_literals;
    const std::wstring stem = RecoveryStem(0x0123456789abcdef, 0x9);
    EXPECT_EQ(stem, L"hoja-0123456789abcdef-00000009");
    const RecoveryFiles files = RecoveryFilesOf(L"C:\\copias\\", stem);
    for (const auto& [path, extension] : {std::pair{files.Copy, L".vrel"},
                                          {files.WorkFileNote, L".ruta"},
                                          {files.Lock, L".lock"}}) {
        EXPECT_EQ(path, L"C:\\copias\\" + stem + extension);
        EXPECT_EQ(RecoveryStemOf(stem + extension), stem) << extension;
    }
    for (const std::wstring& name :
         {files.SetAside.substr(10), stem + L".bmp", stem, L"hoja-0123456789ABCDEF-00000009.vrel"s,
          L"hoja-0123456789abcdef_00000009.vrel"s, L"hoja-0123456789abcdef-0000009.vrel"s,
          L"mayo.vrel"s})
        EXPECT_EQ(RecoveryStemOf(name), std::nullopt) << name;
}

}  // namespace
