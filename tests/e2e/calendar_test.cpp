// The calendar's choice through the running programs: chosen once in "Calendario", kept across
// a restart, and what the new sheets of "Nuevo" and of the exporter start with.

#include <gtest/gtest.h>

#include <set>

#include "app/window/main_menu.h"
#include "app/window/sheet_click.h"
#include "calendar/calendar_dressing.h"
#include "calendar/grid_layout.h"
#include "driver/console_program.h"
#include "driver/file_dialogs.h"
#include "driver/folders.h"
#include "driver/program_driver.h"
#include "persistence/work_file.h"
#include "render/sheet_scale.h"

namespace e2e {
namespace {

constexpr int RegionList = 5101;
constexpr int MoonPhases = 5102;
constexpr int MadridIndex = 15;  // in the list's order

// The choice is the user's: no other test may find it made.
class Calendar : public testing::Test {
  protected:
    void SetUp() override { Forget(); }
    void TearDown() override { Forget(); }
    static void Forget() {
        for (const wchar_t* name : {L"Festivos", L"Lunas"})
            RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Almanaque", name);
    }
};

HWND OpenCalendar(Program& program) {
    program.Command(MenuCommand::Calendar);
    return program.WaitForWindow(L"Calendario");
}

TEST_F(Calendar, TheChoiceIsKeptAcrossARestartAndDressesTheSheetOfNuevo) {
    {
        Program program;
        const HWND dialog = OpenCalendar(program);
        ASSERT_NE(dialog, nullptr);
        const HWND list = GetDlgItem(dialog, RegionList);
        EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 21);
        EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0) << "\"Ninguno\" at first";
        SendMessageW(list, CB_SETCURSEL, MadridIndex, 0);
        Press(dialog, MoonPhases);
        Press(dialog, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
        program.Command(MenuCommand::Exit);
        ASSERT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    }
    Program program;
    const HWND dialog = OpenCalendar(program);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageW(GetDlgItem(dialog, RegionList), CB_GETCURSEL, 0, 0), MadridIndex);
    EXPECT_EQ(SendMessageW(GetDlgItem(dialog, MoonPhases), BM_GETCHECK, 0, 0), BST_CHECKED);
    Press(dialog, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));

    // May 2026: two holidays of Madrid, one of them a full moon, and the month's other phases.
    ASSERT_TRUE(StartNewMonth(program, 2026, 5));
    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Save, L"mayo"));
    const std::wstring saved = program.Folder() + L"\\mayo.vrel";
    ASSERT_TRUE(WaitUntil([&] { return FileExists(saved); }));
    MonthSheet expected;
    expected.Year = 2026;
    expected.Month = 5;
    DressWithCalendar(expected, {*FindHolidayRegion("madrid"), true});
    EXPECT_EQ(ReadWholeFile(saved), EncodeWorkFile(expected));
}

// The pages of a month differ from the plain ones exactly in the boxes of its holidays and
// phase days: 1 May (also a full moon) and 2 May, the quarters and the new moon, 31 May.
TEST_F(Calendar, TheExportersPagesAreDressedInTheBoxesOfTheirHolidaysAndPhasesAlone) {
    ScratchFolder pages(L"pages");
    const auto page = [&](const std::wstring& calendar, const std::wstring& moons) {
        const ConsoleRun run = RunConsoleProgram(
            BuiltExporterPath(),
            {L"--ppp", L"96", L"--formato", L"bmp", L"--festivos", calendar, moons, L"2026-05"},
            pages.Path());
        EXPECT_EQ(run.ExitCode, std::optional<DWORD>(0)) << run.Errors;
        return ReadWholeFile(pages / L"2026 5.bmp").value_or(std::vector<std::uint8_t>{});
    };
    const std::vector<std::uint8_t> plain = page(L"ninguno", L"--sin-lunas");
    const std::vector<std::uint8_t> dressed = page(L"madrid", L"--lunas");
    ASSERT_EQ(plain.size(), dressed.size());
    // The bitmap's rows of 24-bit pixels, bottom row first, each padded to four bytes.
    constexpr std::size_t header = 54, row = (SheetWidth * 3 + 3) / 4 * 4;
    MonthSheet shown;
    shown.Year = 2026;
    shown.Month = 5;
    std::set<int> days;
    for (std::size_t at = header; at < plain.size(); ++at) {
        if (plain[at] == dressed[at]) continue;
        const int x = static_cast<int>((at - header) % row / 3);
        const int y = SheetHeight - 1 - static_cast<int>((at - header) / row);
        const GridPlace place = GridPlaceAt(x, y);
        const SheetRect box = DayBox(place);
        ASSERT_TRUE(x >= box.Left && x < box.Right && y >= box.Top && y < box.Bottom)
            << x << "," << y;
        days.insert(DayShownAt(shown, place));
    }
    EXPECT_EQ(days, (std::set<int>{1, 2, 9, 16, 23, 31}));
}

}  // namespace
}  // namespace e2e
