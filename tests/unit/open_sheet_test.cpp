#include "app/document/open_sheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <utility>

#include "app/document/year_sheets.h"
#include "app/recovery/copy.h"
#include "calendar/calendar_arithmetic.h"
#include "platform/cp1252.h"
#include "platform/folder_files.h"

namespace {

namespace fs = std::filesystem;

// Answers the dialogs as a user would and remembers what the program showed.
class ScriptedDialogs final : public UserDialogs {
  public:
    std::wstring NextChoice;  // empty: the user cancels
    bool OverwriteAnswer = false;
    std::vector<Answer> Answers;  // to the other questions, in order; Cancelar once they run out
    std::vector<std::wstring> OpenedIn;
    std::vector<std::wstring> Proposed;
    int OverwriteQuestions = 0;
    std::vector<std::wstring> Questions;
    std::vector<std::wstring> Messages;
    std::function<void()> WhileAsking;  // what the user does elsewhere while the question waits

    std::wstring ChoosePath(WorkFileDialogMode, const std::wstring& initialFolder,
                            const std::wstring& proposedName) override {
        OpenedIn.push_back(initialFolder);
        Proposed.push_back(proposedName);
        return NextChoice;
    }
    bool AskOverwrite() override {
        ++OverwriteQuestions;
        if (WhileAsking) std::exchange(WhileAsking, nullptr)();
        return OverwriteAnswer;
    }
    bool AskYesNo(const std::wstring& question) override {
        return AskYesNoCancel(question) == Answer::Yes;
    }
    Answer AskYesNoCancel(const std::wstring& question) override {
        Questions.push_back(question);
        if (WhileAsking) std::exchange(WhileAsking, nullptr)();
        if (Answers.empty()) return Answer::Cancel;
        const Answer answer = Answers.front();
        Answers.erase(Answers.begin());
        return answer;
    }
    void ShowMessage(const wchar_t* text) override { Messages.emplace_back(text); }
};

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

MonthSheet SheetOf(std::int16_t month) {
    MonthSheet sheet;
    sheet.Year = 2024;
    sheet.Month = month;
    return sheet;
}

// A program killed with unsaved changes: its copy stays, its lock goes.
void LeaveCopy(const std::wstring& folder, std::int16_t month, const std::wstring& workFile) {
    RecoveryStore killed(folder);
    killed.TakeNewStem();
    killed.Write({SheetOf(month), workFile});
}

class OpenDocument : public ::testing::Test {
  protected:
    void SetUp() override {
        Folder = fs::temp_directory_path() / "almanaque_flows";
        Other = Folder / "otra carpeta";
        fs::remove_all(Folder);
        fs::create_directories(Other);
        Document.StartMonth(2024, 3, {});
        Document.FollowChanges([this](SheetChange change) { Changes.push_back(change); });
    }
    void TearDown() override { fs::remove_all(Folder); }

    std::wstring Text(const fs::path& path) { return path.wstring(); }

    fs::path Folder, Other;
    OpenSheet Document;
    std::vector<SheetChange> Changes;
    ScriptedDialogs Dialogs;
};

TEST_F(OpenDocument, SaveToANewNameWritesWithoutAQuestion) {
    const fs::path target = Folder / "enero.vrel";
    Dialogs.NextChoice = L"  " + Text(target) + L"  ";
    Document.Save(Dialogs);
    EXPECT_EQ(Dialogs.OverwriteQuestions, 0);
    EXPECT_EQ(fs::file_size(target), 49u * DayRecordSize);
    EXPECT_EQ(Document.NamedFile(), Text(target));
    EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(OpenDocument, SaveOverAnExistingFileAsksFirst) {
    const fs::path target = Folder / "enero.vrel";
    std::ofstream(target, std::ios::binary) << "contenido anterior";
    Dialogs.NextChoice = Text(target);

    Dialogs.OverwriteAnswer = false;
    Document.Save(Dialogs);
    EXPECT_EQ(Dialogs.OverwriteQuestions, 1);
    EXPECT_EQ(Bytes(target), "contenido anterior");
    EXPECT_EQ(Document.NamedFile(), Text(target));

    Dialogs.OverwriteAnswer = true;
    Document.Save(Dialogs);
    EXPECT_EQ(Dialogs.OverwriteQuestions, 2);
    EXPECT_EQ(fs::file_size(target), 49u * DayRecordSize);
}

TEST_F(OpenDocument, YesWritesTheFileAskedAboutWhateverAnotherSaveNamedMeanwhile) {
    const fs::path asked = Folder / "enero.vrel";
    const fs::path refused = Folder / "febrero.vrel";
    std::ofstream(asked, std::ios::binary) << "enero anterior";
    std::ofstream(refused, std::ios::binary) << "febrero anterior";
    // The question has no owner window, so "Grabar" can be chosen again while it waits.
    ScriptedDialogs second;
    second.NextChoice = Text(refused);
    second.OverwriteAnswer = false;
    Dialogs.NextChoice = Text(asked);
    Dialogs.OverwriteAnswer = true;
    Dialogs.WhileAsking = [&] { Document.Save(second); };
    Document.Save(Dialogs);
    EXPECT_TRUE(Bytes(refused) == "febrero anterior") << "the file refused with No was replaced";
    EXPECT_EQ(fs::file_size(asked), 49u * DayRecordSize);
    EXPECT_EQ(Document.NamedFile(), Text(asked));
}

TEST_F(OpenDocument, CancelledSaveForgetsThePathAndTheNextOpenStartsInTheCurrentDirectory) {
    Document.ReadNamedFile(Text(Other / L"viejo.vrel"));
    Dialogs.NextChoice = L"";
    Document.Save(Dialogs);
    EXPECT_EQ(Dialogs.OpenedIn.back(), L"");  // "Grabar" always opens in the current directory
    EXPECT_EQ(Document.NamedFile(), L"");
    EXPECT_TRUE(fs::is_empty(Other));

    Document.Open(Dialogs);
    EXPECT_EQ(Dialogs.OpenedIn.back(), L"");
    EXPECT_EQ(Document.Dialogs().LastFolder, L"");
}

TEST_F(OpenDocument, OpenRestoresTheSavedSheetNamedAfterItsMonthWithNothingToSave) {
    Document.Edit([](MonthSheet& sheet) { sheet.Cell(2, 3).Numbers.Centre = Flag::On; });
    Dialogs.NextChoice = Text(Other / L"marzo.vrel");
    EXPECT_TRUE(Document.Save(Dialogs));
    EXPECT_FALSE(Document.HasUnsavedChanges());

    OpenSheet reader;
    reader.StartMonth(1999, 1, {});
    EXPECT_TRUE(reader.Open(Dialogs));
    EXPECT_EQ(reader.Sheet().Year, 2024);
    EXPECT_EQ(reader.Sheet().Month, 3);
    EXPECT_EQ(reader.Sheet().Cell(2, 3).Numbers.Centre, Flag::On);
    EXPECT_EQ(reader.ImageBaseName(), "2024 3");
    EXPECT_FALSE(reader.HasUnsavedChanges());
    EXPECT_EQ(reader.SheetFile(), Text(Other / L"marzo.vrel"));
    EXPECT_EQ(Changes, (std::vector{SheetChange::Edited, SheetChange::Kept}));
}

// Every way a sheet starts names the exported image after its month, and says whether there is
// anything to save.
TEST_F(OpenDocument, EverySheetStartedIsNamedAfterItsMonthAndToldOnce) {
    Document.StartToday({2026, 12, 8}, {});
    EXPECT_EQ(Document.ImageBaseName(), "2026 12");
    EXPECT_EQ(Document.Sheet().Cell(0, 2).Icons[8].Path, "apple.ico");
    EXPECT_FALSE(Document.HasUnsavedChanges());

    Document.StartMonth(2027, 2, {});
    MonthSheet fresh;
    fresh.Year = 2027;
    fresh.Month = 2;
    EXPECT_EQ(Document.Sheet(), fresh) << "Nuevo starts from no day dressed";
    EXPECT_EQ(Document.ImageBaseName(), "2027 2");
    EXPECT_TRUE(Document.HasUnsavedChanges()) << "the sheet of Nuevo is in no file";

    Document.TakeRecovered(SheetOf(7), L"C:\\julio.vrel");
    EXPECT_EQ(Document.ImageBaseName(), "2024 7");
    EXPECT_EQ(Document.NamedFile(), L"C:\\julio.vrel");
    EXPECT_EQ(Document.SheetFile(), L"C:\\julio.vrel");
    EXPECT_TRUE(Document.HasUnsavedChanges());
    EXPECT_EQ(Changes, std::vector<SheetChange>(3, SheetChange::Replaced));
}

TEST_F(OpenDocument, YesSavesIntoTheSheetsOwnFileWithoutADialogAndLeavesNothingUnsaved) {
    const fs::path own = Folder / "marzo.vrel";
    Dialogs.NextChoice = Text(own);
    ASSERT_TRUE(Document.Save(Dialogs));
    Document.Edit([](MonthSheet& sheet) { sheet.Cell(3, 3).Numbers.Centre = Flag::On; });
    Dialogs.Answers = {Answer::Yes};
    EXPECT_TRUE(Document.MayDrop(Dialogs));
    EXPECT_EQ(Dialogs.OpenedIn.size(), 1u) << "no second save dialog";
    EXPECT_FALSE(Document.HasUnsavedChanges());
    OpenSheet reader;
    ASSERT_EQ(reader.ReadNamedFile(Text(own)), ReadResult::Replaced);
    EXPECT_EQ(reader.Sheet().Cell(3, 3).Numbers.Centre, Flag::On);
}

TEST_F(OpenDocument, AGuardIsRaisedOnceAtATime) {
    {
        const std::optional<RaisedGuard> open = Document.Raise(Guard::Dialog);
        ASSERT_TRUE(open);
        EXPECT_TRUE(Document.IsRaised(Guard::Dialog));
        EXPECT_FALSE(Document.Raise(Guard::Dialog));
        EXPECT_FALSE(Document.IsRaised(Guard::MonthChooser));
    }
    EXPECT_FALSE(Document.IsRaised(Guard::Dialog));
    // While the question waits, another command that would drop the sheet does not go on.
    ScriptedDialogs second;
    second.Answers = {Answer::No};
    Dialogs.Answers = {Answer::No};
    Dialogs.WhileAsking = [&] { EXPECT_FALSE(Document.MayDrop(second)); };
    EXPECT_TRUE(Document.MayDrop(Dialogs));
    EXPECT_TRUE(second.Questions.empty());
}

TEST_F(OpenDocument, OpenStartsInTheFolderOfThePathNamedLastAndSaveInTheCurrentDirectory) {
    Dialogs.NextChoice = L"D:\\Datos\\2025\\no existe.vrel";
    EXPECT_FALSE(Document.Open(Dialogs));
    EXPECT_EQ(Dialogs.OpenedIn.back(), L"");
    Dialogs.NextChoice = L"";
    Document.ReadNamedFile(L"D:\\Datos\\2025\\no existe.vrel");
    Document.Open(Dialogs);
    EXPECT_EQ(Dialogs.OpenedIn.back(), L"D:\\Datos\\2025\\");
    Document.ReadNamedFile(L"D:\\Datos\\2025\\no existe.vrel");
    Document.Save(Dialogs);
    EXPECT_EQ(Dialogs.OpenedIn.back(), L"");
    EXPECT_EQ(Dialogs.Messages.size(), 0u);
}

TEST_F(OpenDocument, ARefusedFileShowsItsMessageAndLeavesTheSheetAlone) {
    const fs::path broken = Folder / "roto.vrel";
    std::ofstream(broken, std::ios::binary) << "no es un almanaque";
    Document.Edit([](MonthSheet& sheet) { sheet.Cell(1, 1).Numbers.Centre = Flag::On; });
    Dialogs.NextChoice = Text(broken);
    EXPECT_FALSE(Document.Open(Dialogs));
    ASSERT_EQ(Dialogs.Messages.size(), 1u);
    EXPECT_NE(Dialogs.Messages[0].find(L"Formato de fichero erroneo"), std::wstring::npos);
    EXPECT_EQ(Document.Sheet().Cell(1, 1).Numbers.Centre, Flag::On);
    EXPECT_EQ(Document.ImageBaseName(), "2024 3");
    // The refused file's path stays, so the next dialog opens in its folder.
    EXPECT_EQ(Document.NamedFile(), Text(broken));
}

TEST_F(OpenDocument, ALongChosenPathIsKeptWhole) {
    Dialogs.NextChoice = L"C:\\" + std::wstring(300, L'a');
    Document.Open(Dialogs);
    EXPECT_EQ(Document.NamedFile(), L"C:\\" + std::wstring(300, L'a'));
}

// From month to month: a month only looked at is left without a question, a changed one is
// asked about and saved under the month's name, and the year's files are read where they are.
TEST_F(OpenDocument, MovesAskOnlyAboutChangesAndFindTheYearsFilesInTheirFolder) {
    EXPECT_EQ(MonthAfter({2026, 12}, 1), (MonthOfYear{2027, 1}));
    EXPECT_EQ(MonthAfter({2027, 1}, -1), (MonthOfYear{2026, 12}));
    EXPECT_EQ(MonthAfter({1, 1}, -1), std::nullopt);
    EXPECT_EQ(MonthAfter({32767, 12}, 1), std::nullopt);

    OpenSheet april;
    april.StartMonth(2027, 4, {});
    april.Edit([](MonthSheet& sheet) { sheet.Cell(3, 1).Numbers.Centre = Flag::On; });
    Dialogs.NextChoice = Text(Folder / L"2027 4.vrel");
    ASSERT_TRUE(april.Save(Dialogs));

    Document.StartMonth(2027, 3, {});
    EXPECT_EQ(Document.MoveMonth(-1, {}, Dialogs), MonthMove::Started) << "only looked at";
    EXPECT_EQ(Document.MoveMonth(1, {}, Dialogs), MonthMove::Started);
    EXPECT_TRUE(Dialogs.Questions.empty());
    Document.Edit([](MonthSheet& sheet) { sheet.Cell(2, 2).Numbers.Centre = Flag::On; });
    Dialogs.Answers = {Answer::Yes};
    Dialogs.NextChoice = Text(Folder / L"2027 3.vrel");
    EXPECT_EQ(Document.MoveMonth(1, {}, Dialogs), MonthMove::ReadItsFile);
    EXPECT_EQ(Dialogs.Questions.size(), 1u);
    EXPECT_EQ(Dialogs.Proposed.back(), L"2027 3.vrel");
    EXPECT_TRUE(fs::exists(Folder / L"2027 3.vrel"));
    EXPECT_EQ(Document.Sheet().Cell(3, 1).Numbers.Centre, Flag::On) << "April from its file";

    EXPECT_EQ(Document.MoveMonth(1, {}, Dialogs), MonthMove::Started) << "a new May";
    EXPECT_EQ(Document.YearFolder(), Text(Folder / L""));
    Dialogs.NextChoice = L"";
    Document.Save(Dialogs);
    EXPECT_EQ(Dialogs.OpenedIn.back(), Text(Folder / L""));
    EXPECT_EQ(Dialogs.Proposed.back(), L"2027 5.vrel");
    EXPECT_EQ(Dialogs.Questions.size(), 1u);
}

TEST_F(OpenDocument, AYearsSheetsAreTheOneOnShowTheirWorkFilesOrNewSheets) {
    OpenSheet april;
    april.StartMonth(2027, 4, {});
    april.Edit([](MonthSheet& sheet) { sheet.Cell(3, 1).Numbers.Centre = Flag::On; });
    Dialogs.NextChoice = Text(Folder / L"2027 4.vrel");
    ASSERT_TRUE(april.Save(Dialogs));
    MonthSheet shown;
    shown.Year = 2027;
    shown.Month = 2;
    shown.Cell(0, 1).Numbers.Centre = Flag::On;
    const std::wstring folder = Text(Folder / L"");
    const YearSheets year = SheetsOfYear(2027, shown, folder, {});
    ASSERT_EQ(year.Sheets.size(), 12u);
    EXPECT_EQ(year.Sheets[1], shown) << "the month on show, unsaved changes included";
    EXPECT_EQ(year.Sheets[3].Cell(3, 1).Numbers.Centre, Flag::On) << "April from its file";
    EXPECT_EQ(year.Sheets[4], NewSheet(2027, 5, {}));
    EXPECT_EQ(YearJobName(2027), L"Almanaque - 2027");
    EXPECT_EQ(YearProgressText(year.Sheets[2]), L"Imprimiendo Marzo 2027 (3 de 12)");
    std::ofstream(Folder / L"2027 6.vrel", std::ios::binary) << "roto";
    const YearSheets refused = SheetsOfYear(2027, shown, folder, {});
    EXPECT_TRUE(refused.Sheets.empty());
    EXPECT_EQ(refused.Unread, Text(Folder / L"2027 6.vrel"));
    EXPECT_EQ(refused.Why, ReadResult::WrongFormat);
}

// Unsaved work: the question, and the recovery copies.

TEST_F(OpenDocument, OnlyAChangedSheetIsAskedAboutAndAFailedSaveCancelsTheCommand) {
    Document.StartToday({2024, 3, 1}, {});
    const auto setTopRight = [&](Flag flag) {
        Document.Edit([&](MonthSheet& sheet) { sheet.Cell(2, 3).Numbers.TopRight = flag; });
    };
    setTopRight(Flag::On);
    setTopRight(Flag::Off);
    EXPECT_TRUE(Document.MayDrop(Dialogs)) << "an edit undone by hand leaves nothing to save";
    setTopRight(Flag::On);
    Dialogs.Answers = {Answer::Yes};
    EXPECT_FALSE(Document.MayDrop(Dialogs)) << "the save dialog was cancelled";
    EXPECT_EQ(Dialogs.Questions,
              std::vector<std::wstring>{
                  L"La hoja Marzo 2024 tiene cambios sin grabar. \u00bfDesea grabarlos?"});
}

TEST_F(OpenDocument, LeftCopiesAreOfferedOldestFirstUntilOneIsTakenAndLiveOnesNever) {
    const std::wstring copies = (Folder / "").wstring();
    LeaveCopy(copies, 1, L"");
    const RecoveryFiles damaged =
        RecoveryFilesOf(copies, *RecoveryStemOf(FileNamesIn(copies).at(0)));
    std::ofstream(fs::path(damaged.Copy)) << "no es una hoja";
    LeaveCopy(copies, 2, L"C:\\a.vrel");
    LeaveCopy(copies, 3, L"C:\\b.vrel");
    LeaveCopy(copies, 4, L"");
    RecoveryStore running(copies);
    ASSERT_TRUE(running.TakeNewStem());
    ASSERT_TRUE(running.Write({SheetOf(5), L""}));

    RecoveryCopy copy(copies);
    Dialogs.Answers = {Answer::No, Answer::Yes};
    ASSERT_TRUE(copy.Start(Document, Dialogs));
    EXPECT_EQ(Dialogs.Messages, std::vector<std::wstring>{DamagedCopyMessage(damaged.SetAside)});
    EXPECT_EQ(
        Dialogs.Questions,
        (std::vector<std::wstring>{
            L"Almanaque se cerr\u00f3 sin grabar la hoja Febrero 2024. \u00bfDesea recuperarla?",
            RecoveryOffer(SheetOf(3))}));
    EXPECT_EQ(Document.Sheet().Month, 3);
    EXPECT_EQ(Document.SheetFile(), L"C:\\b.vrel");
    EXPECT_TRUE(Document.HasUnsavedChanges());

    OpenSheet other;  // another start meanwhile: March's copy is this program's now
    ScriptedDialogs again;
    EXPECT_FALSE(RecoveryCopy(copies).Start(other, again));
    EXPECT_EQ(again.Questions, std::vector<std::wstring>{RecoveryOffer(SheetOf(4))});
    EXPECT_TRUE(again.Messages.empty()) << "a damaged copy is told once";

    Dialogs.NextChoice = Text(Folder / "b.vrel");
    ASSERT_TRUE(Document.Save(Dialogs));
    copy.Follow(Document);
    ASSERT_TRUE(copy.Finish(std::chrono::seconds(10)));
    std::size_t kept = 0;
    for (const std::wstring& name : FileNamesIn(copies))
        kept += RecoveryStemOf(name) && name.ends_with(L".vrel");
    EXPECT_EQ(kept, 1u) << "the running program's alone: March's went once it was saved";
}

}  // namespace
