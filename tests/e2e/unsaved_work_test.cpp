// Unsaved work through the running program: the question before a command drops it, and the
// recovery copy that a killed program leaves, offered at the next start.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "app/document/open_sheet.h"
#include "app/recovery/copy.h"
#include "app/recovery/folder_win32.h"
#include "app/window/main_menu.h"
#include "driver/day_editor.h"
#include "driver/file_dialogs.h"
#include "driver/program_driver.h"
#include "editor/day_editor_controls.h"
#include "persistence/work_file.h"

namespace e2e {
namespace {

constexpr int TopRight = NumberBoxIds[1];
constexpr int Centre = NumberBoxIds[4];

void Dress(Program& program, int day, int box) {
    const HWND editor = OpenEditorOnDay(program, day);
    ASSERT_NE(editor, nullptr) << "day " << day;
    ASSERT_TRUE(Toggle(editor, box));
    ASSERT_TRUE(CloseAsAltF4(editor));
}

std::size_t RecoveryCopies() {
    RecoveryStore store(RecoveryFolder());
    std::size_t copies = 0;
    for (const std::wstring& stem : store.StemsInFolder()) copies += store.HasCopy(stem);
    return copies;
}

// The days of this month whose top-right number box the sheet ticks.
std::vector<int> DaysTicked(const MonthSheet& sheet) {
    std::vector<int> days;
    for (int row = 1; row < GridSize; ++row)
        for (int column = 0; column < GridSize; ++column)
            if (sheet.Cell(column, row).Numbers.TopRight == Flag::On)
                days.push_back(DayShownAt(sheet, {column, row}));
    return days;
}

std::vector<int> DaysTickedIn(const std::wstring& workFile) {
    MonthSheet sheet;
    if (ReadWorkFile(workFile, sheet).Result != ReadResult::Replaced) return {-1};
    return DaysTicked(sheet);
}

// The question up is the main window's, in Spanish whatever the language of Windows (the tests'
// speaks English), and the window takes no command meanwhile: no second question, no chooser.
void ExpectAnOwnedSpanishQuestion(Program& program) {
    const HWND box = program.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), program.MainWindow());
    EXPECT_EQ(TextOf(GetDlgItem(box, IDYES)), L"S\u00ed");
    EXPECT_EQ(TextOf(GetDlgItem(box, IDNO)), L"No");
    EXPECT_EQ(TextOf(GetDlgItem(box, IDCANCEL)), L"Cancelar");
    program.Command(MenuCommand::New);
    program.Command(MenuCommand::About);
    ASSERT_TRUE(program.WaitUntilIdle());
    EXPECT_EQ(program.Windows(L"Programador").size(), 1u);
    EXPECT_EQ(program.Windows(L"Elige mes y a\u00f1o").size(), 0u);
    EXPECT_EQ(program.Windows(L"Autor").size(), 0u);
}

// Two programs at once, one closed by the end of the session and one killed by its process id:
// each later start recovers one of them, and only that one, and the questions guard the sheet
// taken back.
TEST(UnsavedWork, KilledProgramsSheetsComeBackAndAreAskedAboutBeforeTheyGo) {
    const YearMonth today = ThisMonth();
    MonthSheet shown;
    shown.Year = static_cast<std::int16_t>(today.Year);
    shown.Month = static_cast<std::int16_t>(today.Month);
    const std::wstring question = UnsavedChangesQuestion(shown), offer = RecoveryOffer(shown);
    Program first;
    ASSERT_NE(first.MainWindow(), nullptr);
    Program second;  // started later: its copy is the newer one
    ASSERT_NE(second.MainWindow(), nullptr);
    ASSERT_NO_FATAL_FAILURE(Dress(first, 10, TopRight));
    const auto changed = std::chrono::steady_clock::now();
    ASSERT_TRUE(WaitUntil([] { return RecoveryCopies() == 1; }));
    std::printf("A change reached the recovery copy in %lld ms\n",
                static_cast<long long>((std::chrono::steady_clock::now() - changed) / 1ms));
    ASSERT_NO_FATAL_FAILURE(Dress(first, 20, Centre));
    // The second saves the same edits itself, then makes one more.
    ASSERT_NO_FATAL_FAILURE(Dress(second, 10, TopRight));
    ASSERT_NO_FATAL_FAILURE(Dress(second, 20, Centre));
    ASSERT_TRUE(ChooseAfter(second, MenuCommand::Save, L"directa"));
    const std::wstring saved = second.Folder() + L"\\directa.vrel";
    ASSERT_TRUE(WaitUntil([&] { return FileExists(saved); }));
    const auto savedDirectly = ReadWholeFile(saved);
    ASSERT_NO_FATAL_FAILURE(Dress(second, 25, TopRight));
    ASSERT_TRUE(WaitUntil([] { return RecoveryCopies() == 2; }));
    // The first is closed by the Restart Manager, as an installer does: it asks nothing and
    // keeps its copy.
    DWORD_PTR mayEnd = FALSE;
    ASSERT_TRUE(SendMessageTimeoutW(first.MainWindow(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP,
                                    SMTO_NORMAL, 5000, &mayEnd));
    EXPECT_TRUE(mayEnd) << "the end of the Windows session asks nothing";
    PostMessageW(first.MainWindow(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
    EXPECT_TRUE(first.WaitForExit().has_value());
    ASSERT_TRUE(second.Kill());

    // The first one's sheet: "Salir" asks; Cancelar stays, Si saves it as "Grabar" would.
    Program firstAgain;
    EXPECT_EQ(AnswerMessage(firstAgain, IDYES), offer);
    ASSERT_NE(firstAgain.MainWindow(), nullptr);
    firstAgain.Command(MenuCommand::Exit);
    ASSERT_NO_FATAL_FAILURE(ExpectAnOwnedSpanishQuestion(firstAgain));
    EXPECT_EQ(AnswerMessage(firstAgain, IDCANCEL), question);
    ASSERT_TRUE(firstAgain.WaitUntilIdle());
    firstAgain.Command(MenuCommand::Exit);
    EXPECT_EQ(AnswerMessage(firstAgain, IDYES), question);
    const HWND dialog = WaitForFileDialog(firstAgain);
    ASSERT_NE(dialog, nullptr) << "a sheet without a work file is saved as \"Grabar\" does";
    ASSERT_TRUE(ChooseInFileDialog(dialog, L"recuperada"));
    EXPECT_EQ(firstAgain.WaitForExit(), std::optional<DWORD>(0));
    const std::wstring recovered = firstAgain.Folder() + L"\\recuperada.vrel";
    EXPECT_EQ(ReadWholeFile(recovered), savedDirectly);

    // The second one's, with a work file to open: the offer comes first; the sheet taken is
    // unsaved, so opening the file asks, and Si saves it into the work file it belonged to.
    Program secondAgain(ProgramOptions::WithCommandTail(L"\"" + recovered + L"\""));
    EXPECT_EQ(AnswerMessage(secondAgain, IDYES), offer);
    EXPECT_EQ(AnswerMessage(secondAgain, IDYES), question);
    ASSERT_NE(secondAgain.MainWindow(), nullptr);
    EXPECT_EQ(DaysTickedIn(saved), (std::vector<int>{10, 25}));
    ASSERT_NO_FATAL_FAILURE(Dress(secondAgain, 15, TopRight));
    secondAgain.Command(MenuCommand::Exit);
    EXPECT_EQ(AnswerMessage(secondAgain, IDNO), question);
    EXPECT_EQ(secondAgain.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(DaysTickedIn(recovered), std::vector<int>{10}) << "No left it unsaved";
    EXPECT_EQ(RecoveryCopies(), 0u) << "programs that end normally take their copies along";
}

// The copy left by a program killed at a random moment of a burst of edits is always whole, and
// one of the sheets it showed: the edits up to one of them, at most the last one missing.
TEST(Recovery, AKillAtAnyMomentOfABurstLeavesAWholeCopyOfARecentSheet) {
    constexpr int Days[] = {5, 9, 13, 17, 21};
    std::mt19937 random(std::random_device{}());
    for (int trial = 0; trial < 20; ++trial) {
        Program program;
        ASSERT_NE(program.MainWindow(), nullptr);
        const int made = std::uniform_int_distribution(1, 5)(random);
        for (int edit = 0; edit + 1 < made; ++edit)
            ASSERT_NO_FATAL_FAILURE(Dress(program, Days[edit], TopRight));
        // The last edit is killed with its editor still open now and then.
        const HWND editor = OpenEditorOnDay(program, Days[made - 1]);
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(Toggle(editor, TopRight));
        if (random() % 2) {
            ASSERT_TRUE(CloseAsAltF4(editor));
        }
        Sleep(std::uniform_int_distribution(0, 300)(random));
        ASSERT_TRUE(program.Kill());

        // What the next start would find, as it finds it.
        RecoveryStore store(RecoveryFolder());
        const std::vector<std::wstring> stems = store.StemsInFolder();
        ASSERT_EQ(stems.size(), 1u);
        ASSERT_TRUE(store.Claim(stems[0]));
        std::vector<int> ticked;
        if (store.HasCopy(stems[0])) {
            const std::unique_ptr<RecoverySnapshot> left = store.ReadCopy(stems[0]);
            ASSERT_NE(left, nullptr) << "trial " << trial << ": the copy is torn";
            ticked = DaysTicked(left->Sheet);
        }
        EXPECT_GE(ticked.size() + 1, static_cast<std::size_t>(made)) << "trial " << trial;
        EXPECT_TRUE(std::equal(ticked.begin(), ticked.end(), Days)) << "trial " << trial;
        store.Discard(stems[0]);
    }
}

}  // namespace
}  // namespace e2e
