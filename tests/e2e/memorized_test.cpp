// "Memorizar" through the running program: a day memorized on one sheet comes back on a new
// sheet of its month in another year, after a restart, until it is forgotten; a damaged file of
// memorized dates is told of once.

#include <gtest/gtest.h>

#include "app/window/main_menu.h"
#include "driver/day_editor.h"
#include "driver/file_dialogs.h"
#include "driver/program_driver.h"
#include "editor/day_editor_controls.h"
#include "persistence/memorized_file_win32.h"
#include "persistence/work_file.h"

namespace e2e {
namespace {

const std::wstring Birthday = L"Cumplea\u00f1os Ana";

// The dates are the user's: no other test may find any.
class Memorized : public testing::Test {
  protected:
    void SetUp() override { Forget(); }
    void TearDown() override { Forget(); }
    static void Forget() { DeleteFileW(UsersMemorizedDates().Path().c_str()); }
};

// The editor on the 14th of the February on show.
HWND OpenFourteenth(Program& program, int year) {
    const GridPlace place = *::PlaceOfDay(static_cast<std::int16_t>(year), 2, 14);
    ClickOnDay(program, {place.Column, place.Row});
    return program.WaitForWindow(L"14/02/" + std::to_wstring(year));
}

// The 14th of a new February sheet, as "Grabar" saves it.
Day FourteenthOfNewFebruary(Program& program, const std::wstring& name) {
    if (!StartNewMonth(program, 2027, 2) || !ChooseAfter(program, MenuCommand::Save, name))
        return {};
    const std::wstring saved = program.Folder() + L"\\" + name + L".vrel";
    MonthSheet sheet;
    if (!WaitUntil([&] { return FileExists(saved); }) ||
        ReadWorkFile(saved, sheet).Result != ReadResult::Replaced)
        return {};
    const GridPlace place = *::PlaceOfDay(2027, 2, 14);
    return sheet.Cell(place.Column, place.Row);
}

TEST_F(Memorized, ADayMemorizedComesBackEveryYearUntilItIsForgotten) {
    {
        Program program;
        ASSERT_TRUE(StartNewMonth(program, 2026, 2));
        const HWND editor = OpenFourteenth(program, 2026);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(TextOf(GetDlgItem(editor, MemorizeButtonId)), L"Memorizar");
        ASSERT_TRUE(Toggle(editor, TextBoxIds[1]));
        SetText(GetDlgItem(editor, LineEditIds[1]), Birthday);
        Press(editor, MemorizeButtonId);
        EXPECT_TRUE(
            WaitUntil([&] { return TextOf(GetDlgItem(editor, MemorizeButtonId)) == L"Olvidar"; }));
        ASSERT_TRUE(CloseAsAltF4(editor));
        program.Command(MenuCommand::Exit);
        EXPECT_EQ(AnswerMessage(program, IDNO).find(L"Febrero 2026"), 8u);
        ASSERT_TRUE(program.WaitForExit().has_value());
    }
    Program program;
    const Day kept = FourteenthOfNewFebruary(program, L"memorizado");
    EXPECT_EQ(kept.Lines[1], (DayLine{Flag::On, Flag::Off, "Cumplea\xf1os Ana", Black}));
    EXPECT_EQ(kept.Lines[0], Day{}.Lines[0]);

    const HWND editor = OpenFourteenth(program, 2027);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(editor, MemorizeButtonId)), L"Olvidar");
    Press(editor, MemorizeButtonId);
    EXPECT_TRUE(
        WaitUntil([&] { return TextOf(GetDlgItem(editor, MemorizeButtonId)) == L"Memorizar"; }));
    ASSERT_TRUE(CloseAsAltF4(editor));
    Day plain = FourteenthOfNewFebruary(program, L"olvidado");
    plain.KeptBytes.clear();
    EXPECT_EQ(plain, Day{}) << "forgotten: the day's default";
}

TEST_F(Memorized, ADamagedFileIsToldOnceAndSetAside) {
    const MemorizedDatesFile file = UsersMemorizedDates();
    CreateDirectoryW(file.Path().substr(0, file.Path().rfind(L'\\')).c_str(), nullptr);
    const HANDLE damaged = CreateFileW(file.Path().c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(damaged, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(damaged, "no es un dia", 12, &written, nullptr);
    CloseHandle(damaged);
    {
        Program program;
        const std::wstring told = AnswerMessage(program);
        EXPECT_EQ(told.find(L"No se ha podido leer el fichero de las fechas memorizadas"), 0u);
        const std::wstring aside = told.substr(told.find(L"\r\n") + 2);
        EXPECT_TRUE(FileExists(aside));
        EXPECT_FALSE(FileExists(file.Path()));
        DeleteFileW(aside.c_str());
        program.Command(MenuCommand::Exit);
        ASSERT_TRUE(program.WaitForExit().has_value());
    }
    Program again;
    ASSERT_NE(again.MainWindow(), nullptr);
    EXPECT_EQ(again.Windows(L"Programador").size(), 0u) << "told once";
}

}  // namespace
}  // namespace e2e
