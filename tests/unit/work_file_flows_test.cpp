#include "app/document/work_file_flows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <utility>

#include "app/recovery/copy.h"
#include "app/document/unsaved_work.h"
#include "platform/cp1252.h"
#include "platform/folder_files.h"

namespace {

namespace fs = std::filesystem;

// Answers the dialogs as a user would and remembers what the program showed.
class ScriptedDialogs final : public WorkFileDialogs {
  public:
    std::wstring NextChoice;  // empty: the user cancels
    bool OverwriteAnswer = false;
    std::vector<Answer> Answers;  // to the other questions, in order; Cancelar once they run out
    std::vector<std::wstring> OpenedIn;
    int OverwriteQuestions = 0;
    std::vector<std::wstring> Questions;
    std::vector<std::wstring> Messages;
    std::function<void()> WhileAsking;  // what the user does elsewhere while the question waits

    std::wstring ChoosePath(WorkFileDialogMode, const std::wstring& initialFolder) override {
        OpenedIn.push_back(initialFolder);
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

class WorkFileFlows : public ::testing::Test {
  protected:
    void SetUp() override {
        Folder = fs::temp_directory_path() / "almanaque_flows";
        Other = Folder / "otra carpeta";
        fs::remove_all(Folder);
        fs::create_directories(Other);
        State = std::make_unique<ProgramState>();
        State->Sheet.Year = 2024;
        State->Sheet.Month = 3;
        State->ImageBaseName = "2024 3";
    }
    void TearDown() override { fs::remove_all(Folder); }

    std::wstring Text(const fs::path& path) { return path.wstring(); }

    fs::path Folder, Other;
    std::unique_ptr<ProgramState> State;
    ScriptedDialogs Dialogs;
};

TEST_F(WorkFileFlows, SaveToANewNameWritesWithoutAQuestion) {
    const fs::path target = Folder / "enero.vrel";
    Dialogs.NextChoice = L"  " + Text(target) + L"  ";
    SaveWorkFileFlow(*State, Dialogs);
    EXPECT_EQ(Dialogs.OverwriteQuestions, 0);
    EXPECT_EQ(fs::file_size(target), 49u * DayRecordSize);
    EXPECT_EQ(State->WorkFilePath, Text(target));
    EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(WorkFileFlows, SaveOverAnExistingFileAsksFirst) {
    const fs::path target = Folder / "enero.vrel";
    std::ofstream(target, std::ios::binary) << "contenido anterior";
    Dialogs.NextChoice = Text(target);

    Dialogs.OverwriteAnswer = false;
    SaveWorkFileFlow(*State, Dialogs);
    EXPECT_EQ(Dialogs.OverwriteQuestions, 1);
    EXPECT_EQ(Bytes(target), "contenido anterior");
    EXPECT_EQ(State->WorkFilePath, Text(target));

    Dialogs.OverwriteAnswer = true;
    SaveWorkFileFlow(*State, Dialogs);
    EXPECT_EQ(Dialogs.OverwriteQuestions, 2);
    EXPECT_EQ(fs::file_size(target), 49u * DayRecordSize);
}

TEST_F(WorkFileFlows, YesWritesTheFileAskedAboutWhateverAnotherSaveNamedMeanwhile) {
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
    Dialogs.WhileAsking = [&] { SaveWorkFileFlow(*State, second); };
    SaveWorkFileFlow(*State, Dialogs);
    EXPECT_TRUE(Bytes(refused) == "febrero anterior") << "the file refused with No was replaced";
    EXPECT_EQ(fs::file_size(asked), 49u * DayRecordSize);
    EXPECT_EQ(State->WorkFilePath, Text(asked));
}

TEST_F(WorkFileFlows, CancelledSaveForgetsThePathAndTheNextOpenStartsInTheCurrentDirectory) {
    State->WorkFilePath = Text(Other / L"viejo.vrel");
    Dialogs.NextChoice = L"";
    SaveWorkFileFlow(*State, Dialogs);
    EXPECT_EQ(Dialogs.OpenedIn.back(), L"");  // "Grabar" always opens in the current directory
    EXPECT_EQ(State->WorkFilePath, L"");
    EXPECT_TRUE(fs::is_empty(Other));

    OpenWorkFileFlow(*State, Dialogs);
    EXPECT_EQ(Dialogs.OpenedIn.back(), L"");
    EXPECT_EQ(State->Dialogs.LastFolder, L"");
}

TEST_F(WorkFileFlows, OpenRestoresTheSavedSheet) {
    State->Sheet.Cell(2, 3).Numbers.Centre = Flag::On;  // 13 March 2024
    Dialogs.NextChoice = Text(Other / L"marzo.vrel");
    SaveWorkFileFlow(*State, Dialogs);

    auto reader = std::make_unique<ProgramState>();
    reader->Sheet.Year = 1999;
    reader->Sheet.Month = 1;
    reader->ImageBaseName = "1999 1";
    EXPECT_TRUE(OpenWorkFileFlow(*reader, Dialogs));
    EXPECT_EQ(reader->Sheet.Year, 2024);
    EXPECT_EQ(reader->Sheet.Month, 3);
    EXPECT_EQ(reader->Sheet.Cell(2, 3).Numbers.Centre, Flag::On);
    EXPECT_EQ(reader->ImageBaseName, "2024 3");
}

TEST_F(WorkFileFlows, OpenStartsInTheFolderOfThePathNamedLastAndSaveInTheCurrentDirectory) {
    Dialogs.NextChoice = L"D:\\Datos\\2025\\no existe.vrel";
    EXPECT_FALSE(OpenWorkFileFlow(*State, Dialogs));
    EXPECT_EQ(Dialogs.OpenedIn.back(), L"");
    Dialogs.NextChoice = L"";
    State->WorkFilePath = L"D:\\Datos\\2025\\no existe.vrel";
    OpenWorkFileFlow(*State, Dialogs);
    EXPECT_EQ(Dialogs.OpenedIn.back(), L"D:\\Datos\\2025\\");
    State->WorkFilePath = L"D:\\Datos\\2025\\no existe.vrel";
    SaveWorkFileFlow(*State, Dialogs);
    EXPECT_EQ(Dialogs.OpenedIn.back(), L"");
    EXPECT_EQ(Dialogs.Messages.size(), 0u);
}

TEST_F(WorkFileFlows, ARefusedFileShowsItsMessageAndLeavesTheSheetAlone) {
    const fs::path broken = Folder / "roto.vrel";
    std::ofstream(broken, std::ios::binary) << "no es un almanaque";
    State->Sheet.Cell(1, 1).Numbers.Centre = Flag::On;
    Dialogs.NextChoice = Text(broken);
    EXPECT_FALSE(OpenWorkFileFlow(*State, Dialogs));
    ASSERT_EQ(Dialogs.Messages.size(), 1u);
    EXPECT_NE(Dialogs.Messages[0].find(L"Formato de fichero erroneo"), std::wstring::npos);
    EXPECT_EQ(State->Sheet.Cell(1, 1).Numbers.Centre, Flag::On);
    EXPECT_EQ(State->ImageBaseName, "2024 3");
    // The refused file's path stays, so the next dialog opens in its folder.
    EXPECT_EQ(State->WorkFilePath, Text(broken));
}

TEST_F(WorkFileFlows, ALongChosenPathIsKeptWhole) {
    Dialogs.NextChoice = L"C:\\" + std::wstring(300, L'a');
    OpenWorkFileFlow(*State, Dialogs);
    EXPECT_EQ(State->WorkFilePath, L"C:\\" + std::wstring(300, L'a'));
}

// Unsaved work: the question, and the recovery copies.

TEST_F(WorkFileFlows, OnlyAChangedSheetIsAskedAboutAndAFailedSaveCancelsTheCommand) {
    KeepAsUnchanged(*State, L"");
    Flag& topRight = State->Sheet.Cell(2, 3).Numbers.TopRight;
    topRight = Flag::On;
    topRight = Flag::Off;
    EXPECT_TRUE(MayDropSheet(*State, Dialogs)) << "an edit undone by hand leaves nothing to save";
    topRight = Flag::On;
    Dialogs.Answers = {Answer::Yes};
    EXPECT_FALSE(MayDropSheet(*State, Dialogs)) << "the save dialog was cancelled";
    EXPECT_EQ(Dialogs.Questions,
              std::vector<std::wstring>{
                  L"La hoja Marzo 2024 tiene cambios sin grabar. \u00bfDesea grabarlos?"});
}

TEST_F(WorkFileFlows, LeftCopiesAreOfferedOldestFirstUntilOneIsTakenAndLiveOnesNever) {
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
    ASSERT_TRUE(copy.Start(*State, Dialogs));
    EXPECT_EQ(Dialogs.Messages, std::vector<std::wstring>{DamagedCopyMessage(damaged.SetAside)});
    EXPECT_EQ(
        Dialogs.Questions,
        (std::vector<std::wstring>{
            L"Almanaque se cerr\u00f3 sin grabar la hoja Febrero 2024. \u00bfDesea recuperarla?",
            RecoveryOffer(SheetOf(3))}));
    EXPECT_EQ(State->Sheet.Month, 3);
    EXPECT_EQ(State->SheetFile, L"C:\\b.vrel");
    EXPECT_TRUE(HasUnsavedChanges(*State));

    ProgramState other;  // another start meanwhile: March's copy is this program's now
    ScriptedDialogs again;
    EXPECT_FALSE(RecoveryCopy(copies).Start(other, again));
    EXPECT_EQ(again.Questions, std::vector<std::wstring>{RecoveryOffer(SheetOf(4))});
    EXPECT_TRUE(again.Messages.empty()) << "a damaged copy is told once";

    KeepAsUnchanged(*State, L"C:\\b.vrel");
    copy.Follow(*State);
    ASSERT_TRUE(copy.Finish(std::chrono::seconds(10)));
    std::size_t kept = 0;
    for (const std::wstring& name : FileNamesIn(copies))
        kept += RecoveryStemOf(name) && name.ends_with(L".vrel");
    EXPECT_EQ(kept, 1u) << "the running program's alone: March's went once it was saved";
}

}  // namespace
