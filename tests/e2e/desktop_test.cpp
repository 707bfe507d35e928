// The program at home on the desktop: keyboard shortcuts, days chosen with the keyboard and the
// recent files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "app/window/main_menu.h"
#include "app/window/recent_files_win32.h"
#include "calendar/calendar_arithmetic.h"
#include "driver/file_dialogs.h"
#include "driver/program_driver.h"
#include "driver/sheets.h"
#include "persistence/work_file_messages.h"
#include "platform/clock.h"

namespace e2e {
namespace {

ProgramOptions StartingIn(const ScratchFolder& folder) {
    ProgramOptions options;
    options.CurrentDirectory = folder.Path();
    return options;
}

TEST(Shortcuts, CtrlGAndCtrlSSaveAsGrabarDoesAndNoShortcutActsInADialog) {
    ScratchFolder work(L"work");
    Program program(StartingIn(work));
    const HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Save, L"menu"));
    const auto control = [&](WORD key) { return [=] { TypeKeys(main, {key}, true); }; };
    ASSERT_TRUE(ChooseAfter(program, control('G'), L"atajo"));
    ASSERT_TRUE(ChooseAfter(program, control('S'), L"ingles"));
    ASSERT_TRUE(program.WaitUntilIdle());
    const auto saved = ReadWholeFile(work / L"menu.vrel");
    ASSERT_EQ(saved.value_or(std::vector<std::uint8_t>{}).size(), 49u * 2652u);
    EXPECT_EQ(ReadWholeFile(work / L"atajo.vrel"), saved);
    EXPECT_EQ(ReadWholeFile(work / L"ingles.vrel"), saved);

    program.Command(MenuCommand::About);
    const HWND about = program.WaitForWindow(L"Autor");
    ASSERT_TRUE(about && TypeKeys(about, {'G', 'A', 'U'}, true));
    EXPECT_EQ(WaitForFileDialog(program, 1s), nullptr);
    EXPECT_EQ(program.Windows().size(), 2u);
}

TEST(DayKeys, ArrowsAndEnterOpenTheChosenDayAndTheMarkIsNeitherSavedNorExported) {
    ScratchFolder work(L"work");
    Program program(StartingIn(work));
    const HWND main = program.MainWindow();
    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Save, L"antes"));
    // From today's day, the mark's start, nine days on (a week down, two right) or back.
    const LocalDate today = TodayLocal();
    const bool on = today.Day + 9 <= BuildMonthLengths(today.Year).Days[today.Month];
    const int day = on ? today.Day + 9 : today.Day - 9;
    ASSERT_TRUE(TypeKeys(main, on ? std::vector<WORD>{VK_DOWN, VK_RIGHT, VK_RIGHT}
                                  : std::vector<WORD>{VK_UP, VK_LEFT, VK_LEFT}));

    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Save, L"despues"));
    program.Command(MenuCommand::ExportImage);
    const HWND exported = program.WaitForMessageBox();
    ASSERT_NE(exported, nullptr);
    Press(exported, IDOK);
    EXPECT_EQ(ReadWholeFile(work / L"despues.vrel"), ReadWholeFile(work / L"antes.vrel"));
    EXPECT_TRUE(ReadWholeFile(program.Folder() + L"\\" + ExportName(today.Year, today.Month)) ==
                DefaultSheetBitmap(today.Year, today.Month));

    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(exported); }) && TypeKeys(main, {VK_RETURN}));
    wchar_t caption[16];
    std::swprintf(caption, 16, L"%02d/%02d/%d", day, today.Month, today.Year);
    EXPECT_NE(program.WaitForWindow(caption), nullptr) << "the editor on " << day;
}

TEST(RecentFiles, AFileReadComesFirstAndReopensFromTheListAfterARestart) {
    ScratchFolder work(L"work");
    const std::wstring path = work / L"mayo.vrel";
    ASSERT_TRUE(WriteDressedWorkFile(path, 2031, 5));
    {
        Program program(StartingIn(work));
        ASSERT_TRUE(ChooseAfter(program, MenuCommand::Open, L"mayo.vrel"));
        ASSERT_TRUE(WaitUntil([&] { return program.Caption() == MonthTitle(2031, 5); }));
        EXPECT_EQ(LoadRecentFiles().front(), path);
        program.Command(MenuCommand::Exit);
        ASSERT_TRUE(program.WaitForExit().has_value());
    }
    Program again;
    ASSERT_EQ(again.Caption(), MonthTitle(ThisMonth().Year, ThisMonth().Month));
    again.Command(MenuCommand::RecentFile);
    EXPECT_TRUE(WaitUntil([&] { return again.Caption() == MonthTitle(2031, 5); }));

    // A recent file that has gone is told and leaves the list.
    ASSERT_TRUE(DeleteFileW(path.c_str()));
    again.Command(MenuCommand::RecentFile);
    const HWND box = again.WaitForMessageBox();
    ASSERT_EQ(MessageBoxText(box), WorkFileUnreadableMessage);
    Press(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }) && again.WaitUntilIdle());
    EXPECT_EQ(std::ranges::count(LoadRecentFiles(), path), 0);
}

}  // namespace
}  // namespace e2e
