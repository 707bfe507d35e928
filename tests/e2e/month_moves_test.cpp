// From month to month with the keys: a changed month is asked about and saved under its name in
// the folder chosen, where the next month's work file is read; a month without one starts new,
// and the years follow one another.

#include <gtest/gtest.h>

#include "app/window/main_menu.h"
#include "driver/day_editor.h"
#include "driver/file_dialogs.h"
#include "driver/folders.h"
#include "driver/program_driver.h"
#include "driver/sheets.h"
#include "editor/day_editor_controls.h"

namespace e2e {
namespace {

bool Shows(Program& program, int year, int month) {
    return WaitUntil([&] { return program.Caption() == MonthTitle(year, month); });
}

TEST(MonthMoves, AChangedMonthIsSavedUnderItsNameAndTheNextOneReadBesideIt) {
    ScratchFolder data(L"data");
    ASSERT_TRUE(WriteDressedWorkFile(data / L"2027 4.vrel", 2027, 4));
    Program program;
    ASSERT_TRUE(StartNewMonth(program, 2027, 3));
    const GridPlace tenth = *::PlaceOfDay(2027, 3, 10);
    ClickOnDay(program, {tenth.Column, tenth.Row});
    const HWND editor = program.WaitForWindow(L"10/03/2027");
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(Toggle(editor, NumberBoxIds[4]));
    ASSERT_TRUE(CloseAsAltF4(editor));

    ASSERT_TRUE(TypeKeys(program.MainWindow(), {VK_NEXT}));
    EXPECT_EQ(AnswerMessage(program, IDYES).find(L"Marzo 2027"), 8u);
    const HWND save = WaitForFileDialog(program);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(TextOf(FileNameEdit(save)), L"2027 3.vrel") << "the month's name proposed";
    ASSERT_TRUE(ChooseInFileDialog(save, data / L"2027 3.vrel"));
    EXPECT_TRUE(Shows(program, 2027, 4));
    EXPECT_TRUE(FileExists(data / L"2027 3.vrel"));
    EXPECT_EQ(program.Windows(L"Programador").size(), 0u);

    ASSERT_TRUE(TypeKeys(program.MainWindow(), {VK_NEXT}, true));
    EXPECT_TRUE(Shows(program, 2027, 5)) << "a new May, with nothing asked";
    ASSERT_TRUE(TypeKeys(program.MainWindow(), {VK_PRIOR}));
    EXPECT_TRUE(Shows(program, 2027, 4));
    ASSERT_TRUE(StartNewMonth(program, 2027, 1));
    program.Command(MenuCommand::PreviousMonth);
    EXPECT_TRUE(Shows(program, 2026, 12));
    EXPECT_EQ(program.Windows(L"Programador").size(), 0u);
}

}  // namespace
}  // namespace e2e
