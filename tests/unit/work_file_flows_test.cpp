#include "persistence/work_file_flows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <utility>

#include "platform/cp1252.h"
#include "platform/last_folder.h"

namespace {

namespace fs = std::filesystem;

// Answers the dialogs as a user would and remembers what the program showed.
class ScriptedDialogs final : public WorkFileDialogs {
  public:
    std::string NextChoice;  // empty: the user cancels
    bool OverwriteAnswer = false;
    std::vector<std::string> OpenedIn;
    int OverwriteQuestions = 0;
    std::vector<std::wstring> Messages;
    std::function<void()> WhileAsking;  // what the user does elsewhere while the question waits

    std::string ChoosePath(WorkFileDialogMode, const std::string& initialFolder) override {
        OpenedIn.push_back(initialFolder);
        return NextChoice;
    }
    bool AskOverwrite() override {
        ++OverwriteQuestions;
        if (WhileAsking) std::exchange(WhileAsking, nullptr)();
        return OverwriteAnswer;
    }
    void ShowMessage(const wchar_t* text) override { Messages.emplace_back(text); }
};

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class WorkFileFlows : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / "almanaque_flows";
        other = folder / "otra carpeta";
        fs::remove_all(folder);
        fs::create_directories(other);
        sheet = std::make_unique<MonthSheet>();
        sheet->Year = 2024;
        sheet->Month = 3;
        ResetCells(*sheet);
        SetLastFolderFrom("");
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Text(const fs::path& path) { return WideToCp1252(path.wstring()); }

    fs::path folder, other;
    std::unique_ptr<MonthSheet> sheet;
    ScriptedDialogs dialogs;
    std::string imageBaseName = "2024 3";
};

TEST_F(WorkFileFlows, SaveToANewNameWritesWithoutAQuestion) {
    const fs::path target = folder / "enero.vrel";
    dialogs.NextChoice = "  " + Text(target) + "  ";
    SaveWorkFileFlow(*sheet, dialogs);
    EXPECT_EQ(dialogs.OverwriteQuestions, 0);
    EXPECT_EQ(fs::file_size(target), 49u * DayCellSize);
    EXPECT_EQ(PathFieldText(sheet->WorkFilePath), Text(target));
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(WorkFileFlows, SaveOverAnExistingFileAsksFirst) {
    const fs::path target = folder / "enero.vrel";
    std::ofstream(target, std::ios::binary) << "contenido anterior";
    dialogs.NextChoice = Text(target);

    dialogs.OverwriteAnswer = false;
    SaveWorkFileFlow(*sheet, dialogs);
    EXPECT_EQ(dialogs.OverwriteQuestions, 1);
    EXPECT_EQ(Bytes(target), "contenido anterior");
    EXPECT_EQ(PathFieldText(sheet->WorkFilePath), Text(target));

    dialogs.OverwriteAnswer = true;
    SaveWorkFileFlow(*sheet, dialogs);
    EXPECT_EQ(dialogs.OverwriteQuestions, 2);
    EXPECT_EQ(fs::file_size(target), 49u * DayCellSize);
}

TEST_F(WorkFileFlows, YesWritesTheFileAskedAboutWhateverAnotherSaveNamedMeanwhile) {
    const fs::path asked = folder / "enero.vrel";
    const fs::path refused = folder / "febrero.vrel";
    std::ofstream(asked, std::ios::binary) << "enero anterior";
    std::ofstream(refused, std::ios::binary) << "febrero anterior";
    // The question has no owner window, so "Grabar" can be chosen again while it waits.
    ScriptedDialogs second;
    second.NextChoice = Text(refused);
    second.OverwriteAnswer = false;
    dialogs.NextChoice = Text(asked);
    dialogs.OverwriteAnswer = true;
    dialogs.WhileAsking = [&] { SaveWorkFileFlow(*sheet, second); };
    SaveWorkFileFlow(*sheet, dialogs);
    EXPECT_TRUE(Bytes(refused) == "febrero anterior") << "the file refused with No was replaced";
    EXPECT_EQ(fs::file_size(asked), 49u * DayCellSize);
    EXPECT_EQ(PathFieldText(sheet->WorkFilePath), Text(asked));
}

TEST_F(WorkFileFlows, CancelledSaveForgetsThePathAndTheNextOpenStartsInTheCurrentDirectory) {
    AssignPathField(sheet->WorkFilePath, Text(other / "viejo.vrel"));
    dialogs.NextChoice = "";
    SaveWorkFileFlow(*sheet, dialogs);
    EXPECT_EQ(dialogs.OpenedIn.back(), "");  // "Grabar" always opens in the current directory
    EXPECT_EQ(PathFieldText(sheet->WorkFilePath), "");
    EXPECT_TRUE(fs::is_empty(other));

    OpenWorkFileFlow(*sheet, imageBaseName, dialogs);
    EXPECT_EQ(dialogs.OpenedIn.back(), "");
    EXPECT_EQ(LastFolderText(), "");
}

TEST_F(WorkFileFlows, OpenRestoresTheSavedSheet) {
    DayCell& dressed = sheet->Cell(2, 3);  // as the drawing records a shown day
    dressed.HasDay = 1;
    dressed.Column = 2;
    dressed.Row = 3;
    dressed.NumberCentre = 1;
    dialogs.NextChoice = Text(other / "marzo.vrel");
    SaveWorkFileFlow(*sheet, dialogs);

    auto reader = std::make_unique<MonthSheet>();
    ResetCells(*reader);
    reader->Year = 1999;
    reader->Month = 1;
    std::string name = "1999 1";
    EXPECT_TRUE(OpenWorkFileFlow(*reader, name, dialogs));
    EXPECT_EQ(reader->Year, 2024);
    EXPECT_EQ(reader->Month, 3);
    EXPECT_EQ(+reader->Cell(2, 3).NumberCentre, 1);
    EXPECT_EQ(name, "2024 3");
}

TEST_F(WorkFileFlows, OpenStartsInTheFolderOfThePathNamedLastAndSaveInTheCurrentDirectory) {
    dialogs.NextChoice = "D:\\Datos\\2025\\no existe.vrel";
    EXPECT_FALSE(OpenWorkFileFlow(*sheet, imageBaseName, dialogs));
    EXPECT_EQ(dialogs.OpenedIn.back(), "");
    dialogs.NextChoice = "";
    AssignPathField(sheet->WorkFilePath, "D:\\Datos\\2025\\no existe.vrel");
    OpenWorkFileFlow(*sheet, imageBaseName, dialogs);
    EXPECT_EQ(dialogs.OpenedIn.back(), "D:\\Datos\\2025\\");
    AssignPathField(sheet->WorkFilePath, "D:\\Datos\\2025\\no existe.vrel");
    SaveWorkFileFlow(*sheet, dialogs);
    EXPECT_EQ(dialogs.OpenedIn.back(), "");
    EXPECT_EQ(dialogs.Messages.size(), 0u);
}

TEST_F(WorkFileFlows, ARefusedFileShowsItsMessageAndLeavesTheSheetAlone) {
    const fs::path broken = folder / "roto.vrel";
    std::ofstream(broken, std::ios::binary) << "no es un almanaque";
    sheet->Cell(1, 1).NumberCentre = 1;
    dialogs.NextChoice = Text(broken);
    EXPECT_FALSE(OpenWorkFileFlow(*sheet, imageBaseName, dialogs));
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_NE(dialogs.Messages[0].find(L"Formato de fichero erroneo"), std::wstring::npos);
    EXPECT_EQ(+sheet->Cell(1, 1).NumberCentre, 1);
    EXPECT_EQ(imageBaseName, "2024 3");
    // The refused file's path stays, so the next dialog opens in its folder.
    EXPECT_EQ(PathFieldText(sheet->WorkFilePath), Text(broken));
}

TEST_F(WorkFileFlows, ALongChosenPathIsCutTo274Characters) {
    dialogs.NextChoice = "C:\\" + std::string(300, 'a');
    OpenWorkFileFlow(*sheet, imageBaseName, dialogs);
    EXPECT_EQ(PathFieldText(sheet->WorkFilePath).size(), PathFieldLength);
}

}  // namespace
