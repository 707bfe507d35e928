// "Nuevo": the month and year chooser and the fresh sheet it leads to.

#include <gtest/gtest.h>

#include "app/window/main_menu.h"
#include "driver/file_dialogs.h"
#include "driver/program_driver.h"
#include "driver/sheets.h"

namespace e2e {
namespace {

constexpr int YearBox = 5002;
constexpr int MonthList = 5004;
constexpr int Salir = 5005;
const std::wstring ChooserCaption = L"Elige mes y a\u00f1o";

TEST(MonthChooser, OpensEmptyAndGivesAFreshSheetOfTheChosenMonth) {
    // Start on a dressed sheet, so that a fresh one can be told apart.
    ScratchFolder data(L"data");
    const std::wstring file = data / L"vestido.vrel";
    ASSERT_TRUE(WriteDressedWorkFile(file, 2026, 2));
    Program program(ProgramOptions::WithCommandTail(file));
    ASSERT_NE(program.MainWindow(), nullptr);
    ASSERT_EQ(program.Caption(), L"Febrero 2026");

    program.Command(MenuCommand::New);
    const HWND chooser = program.WaitForWindow(ChooserCaption);
    ASSERT_NE(chooser, nullptr);
    RECT outer{};
    GetWindowRect(chooser, &outer);
    EXPECT_EQ(outer.left, 105);
    EXPECT_EQ(outer.top, 114);
    EXPECT_EQ(ClientRect(chooser).right, 270);
    EXPECT_EQ(ClientRect(chooser).bottom, 320);
    EXPECT_TRUE(GetWindowLongPtrW(chooser, GWL_EXSTYLE) & WS_EX_TOPMOST);

    const HWND list = GetDlgItem(chooser, MonthList);
    EXPECT_EQ(ListItems(list), (std::vector<std::wstring>{
                                   L"01 Enero", L"02 Febrero", L"03 Marzo", L"04 Abril", L"05 Mayo",
                                   L"06 Junio", L"07 Julio", L"08 Agosto", L"09 Septiembre",
                                   L"10 Octubre", L"11 Noviembre", L"12 Diciembre"}));
    EXPECT_EQ(ListSelection(list), -1);
    EXPECT_EQ(TextOf(GetDlgItem(chooser, YearBox)), L"");
    EXPECT_TRUE(GetWindowLongPtrW(GetDlgItem(chooser, YearBox), GWL_STYLE) & ES_NUMBER);

    SetText(GetDlgItem(chooser, YearBox), L"2027");
    ASSERT_TRUE(PickListItem(list, L"05 Mayo"));
    ASSERT_TRUE(WaitUntil([&] { return ListSelection(list) == 4; }));
    Press(chooser, Salir);
    ASSERT_TRUE(WaitUntil([&] { return program.Windows(ChooserCaption).empty(); }));
    EXPECT_TRUE(WaitUntil([&] { return program.Caption() == L"Mayo 2027"; }))
        << testing::PrintToString(program.Caption());

    // The export is named after the month on show and holds a default sheet of it.
    program.Command(MenuCommand::ExportImage);
    const HWND box = program.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    Press(box, IDOK);
    const auto exported = ReadWholeFile(program.Folder() + L"\\2027 5.bmp");
    ASSERT_TRUE(exported.has_value());
    EXPECT_TRUE(*exported == DefaultSheetBitmap(2027, 5)) << "not a fresh sheet of May 2027";
}

TEST(MonthChooser, StaysOpenWithoutAYearAndCannotBeOpenedTwice) {
    Program program;
    ASSERT_NE(program.MainWindow(), nullptr);
    const YearMonth today = ThisMonth();
    program.Command(MenuCommand::New);
    const HWND chooser = program.WaitForWindow(ChooserCaption);
    ASSERT_NE(chooser, nullptr);

    // A second "Nuevo" returns at once and opens nothing.
    EXPECT_TRUE(program.CommandReturns(MenuCommand::New));
    EXPECT_EQ(program.Windows(ChooserCaption).size(), 1u);

    // The main window stays usable: its about box opens and closes meanwhile.
    program.Command(MenuCommand::About);
    const HWND about = program.WaitForWindow(L"Autor");
    ASSERT_NE(about, nullptr);
    Press(about, 3005);
    ASSERT_TRUE(WaitUntil([&] { return program.Windows(L"Autor").empty(); }));

    // "Salir" with an empty year box, a month picked or not, keeps the chooser open.
    Press(chooser, Salir);
    Sleep(300);
    EXPECT_EQ(program.Windows(ChooserCaption).size(), 1u);
    ASSERT_TRUE(PickListItem(GetDlgItem(chooser, MonthList), L"03 Marzo"));
    Press(chooser, Salir);
    Sleep(300);
    EXPECT_EQ(program.Windows(ChooserCaption).size(), 1u);
    // A year too large for the sheet does not close it either.
    SetText(GetDlgItem(chooser, YearBox), L"99999");
    Press(chooser, Salir);
    Sleep(300);
    EXPECT_EQ(program.Windows(ChooserCaption).size(), 1u);
    EXPECT_EQ(program.Caption(), MonthTitle(today.Year, today.Month));

    SetText(GetDlgItem(chooser, YearBox), L"2030");
    Press(chooser, Salir);
    ASSERT_TRUE(WaitUntil([&] { return program.Windows(ChooserCaption).empty(); }));
    EXPECT_TRUE(WaitUntil([&] { return program.Caption() == L"Marzo 2030"; }));
}

TEST(MonthChooser, WithoutAPickedMonthKeepsTheMonthOnShow) {
    Program program;
    ASSERT_NE(program.MainWindow(), nullptr);
    const YearMonth today = ThisMonth();
    program.Command(MenuCommand::New);
    const HWND chooser = program.WaitForWindow(ChooserCaption);
    ASSERT_NE(chooser, nullptr);
    SetText(GetDlgItem(chooser, YearBox), L"2031");
    Press(chooser, Salir);
    EXPECT_TRUE(WaitUntil([&] { return program.Caption() == MonthTitle(2031, today.Month); }));
}

// While the chooser waits for a usable year, the main window works on: what it saves then is the
// month on show, and the program reads it back as that month.
TEST(MonthChooser, ASaveWhileItWaitsKeepsTheMonthOnShow) {
    ScratchFolder work(L"work");
    ProgramOptions options;
    options.CurrentDirectory = work.Path();
    Program program(options);
    ASSERT_NE(program.MainWindow(), nullptr);
    const YearMonth today = ThisMonth();
    program.Command(MenuCommand::New);
    const HWND chooser = program.WaitForWindow(ChooserCaption);
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(PickListItem(GetDlgItem(chooser, MonthList), L"03 Marzo"));
    SetText(GetDlgItem(chooser, YearBox), L"99999");
    Press(chooser, Salir);
    Sleep(300);
    ASSERT_EQ(program.Windows(ChooserCaption).size(), 1u);
    EXPECT_EQ(GetWindow(chooser, GW_OWNER), program.MainWindow());

    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Save, L"espera"));
    ASSERT_TRUE(WaitUntil([&] { return FileExists(work / L"espera.vrel"); }));
    SetText(GetDlgItem(chooser, YearBox), L"2030");
    Press(chooser, Salir);
    ASSERT_TRUE(WaitUntil([&] { return program.Caption() == L"Marzo 2030"; }));

    program.Command(MenuCommand::Open);  // the new sheet is in no file: it is asked about
    EXPECT_EQ(AnswerMessage(program, IDNO),
              L"La hoja Marzo 2030 tiene cambios sin grabar. \u00bfDesea grabarlos?");
    ASSERT_TRUE(ChooseInFileDialog(WaitForFileDialog(program), L"espera.vrel"));
    EXPECT_TRUE(
        WaitUntil([&] { return program.Caption() == MonthTitle(today.Year, today.Month); }, 5s))
        << testing::PrintToString(program.Caption());
    EXPECT_TRUE(program.Windows(L"Programador").empty()) << "the saved file was refused";
}

}  // namespace
}  // namespace e2e
