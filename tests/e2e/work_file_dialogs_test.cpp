// "Grabar" and "Leer" through the system's file dialogs: names typed as a user would, the
// overwrite question, and the folder each dialog opens in (a bare name typed into a dialog lands
// in the folder it opened in).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/window/main_menu.h"
#include "calendar/calendar_arithmetic.h"
#include "driver/file_dialogs.h"
#include "driver/folders.h"
#include "driver/program_driver.h"
#include "driver/sheets.h"
#include "platform/clock.h"

namespace e2e {
namespace {

constexpr std::uintmax_t SavedSize = 49 * 2652;

// Cancels the dialog the command opens, after checking that the main window owns it.
void CancelAfter(Program& program, int command) {
    program.Command(command);
    const HWND dialog = WaitForFileDialog(program);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), program.MainWindow());
    CancelFileDialog(dialog);
    WaitUntil([&] { return !IsWindow(dialog); });
}

std::size_t FileSize(const std::wstring& path) {
    const auto bytes = ReadWholeFile(path);
    return bytes ? bytes->size() : 0;
}

// The program's export of the sheet on show, message answered.
std::vector<std::uint8_t> Export(Program& program, int year, int month) {
    program.Command(MenuCommand::ExportImage);
    if (const HWND box = program.WaitForMessageBox()) {
        Press(box, IDOK);
        WaitUntil([&] { return !IsWindow(box); });
    }
    return ReadWholeFile(program.Folder() + L"\\" + ExportName(year, month))
        .value_or(std::vector<std::uint8_t>{});
}

ProgramOptions StartingIn(const std::wstring& currentDirectory, std::wstring tail = {}) {
    ProgramOptions options = ProgramOptions::WithCommandTail(std::move(tail));
    options.CurrentDirectory = currentDirectory;
    return options;
}

TEST(SaveDialog, ANewNameIsWrittenWithoutQuestionAndGetsTheExtension) {
    ScratchFolder work(L"work");
    Program program(StartingIn(work.Path()));
    ASSERT_NE(program.MainWindow(), nullptr);
    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Save, L"enero"));
    EXPECT_TRUE(WaitUntil([&] { return FileSize(work / L"enero.vrel") == SavedSize; }));
    Sleep(300);
    EXPECT_TRUE(program.Windows(L"Programador").empty()) << "no question for a new name";

    // Today's saint line is red on screen only: the file keeps the colour the day holds.
    const LocalDate today = TodayLocal();
    const MonthGrid days = PlaceMonth(today.Year, today.Month);
    for (int column = 0; column < GridSize; ++column)
        for (int row = 1; row < GridSize; ++row) {
            if (days[column][row] != today.Day) continue;
            const auto record = RecordOfPlace(*ReadWholeFile(work / L"enero.vrel"), column, row);
            ASSERT_TRUE(record.has_value());
            EXPECT_EQ(DecodeDay(*record).Lines[0].LineColor, Black);
        }
}

TEST(SaveDialog, AnExistingNameIsOnlyReplacedAfterYes) {
    ScratchFolder work(L"work");
    const std::wstring target = work / L"hoja.vrel";
    ASSERT_TRUE(WriteDressedWorkFile(target, 2030, 1));
    const auto before = ReadWholeFile(target);
    Program program(StartingIn(work.Path()));
    ASSERT_NE(program.MainWindow(), nullptr);

    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Save, L"hoja.vrel"));
    HWND question = program.WaitForMessageBox();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MessageBoxText(question), L"Sobrescribir ?");
    Press(question, IDNO);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(question); }));
    ASSERT_TRUE(program.WaitUntilIdle());
    EXPECT_EQ(ReadWholeFile(target), before);

    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Save, L"hoja.vrel"));
    question = program.WaitForMessageBox();
    ASSERT_NE(question, nullptr);
    Press(question, IDYES);
    // The file is read only once the save is over: a reader holding it open while the save
    // replaces it makes the save fail.
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(question); }));
    ASSERT_TRUE(program.WaitUntilIdle());
    EXPECT_TRUE(program.Windows(L"Programador").empty());
    EXPECT_NE(ReadWholeFile(target), before);
    EXPECT_EQ(FileSize(target), SavedSize);
}

// Each save of a file builds it under one temporary name of its own, so what a save ended
// halfway (the program killed) left there is replaced by the next save of that file.
TEST(SaveDialog, ASaveReplacesTheLeftoverOfAnInterruptedSaveOfTheSameFile) {
    ScratchFolder work(L"work");
    Program program(StartingIn(work.Path()));
    ASSERT_NE(program.MainWindow(), nullptr);
    std::vector<std::wstring> created;
    {
        FolderWatch watch(work.Path());
        ASSERT_TRUE(ChooseAfter(program, MenuCommand::Save, L"hoja"));
        created = watch.Created();
    }
    ASSERT_TRUE(WaitUntil([&] { return FileSize(work / L"hoja.vrel") == SavedSize; }));
    ASSERT_EQ(created.size(), 1u) << testing::PrintToString(created);
    const std::wstring leftover = work / created[0];
    ASSERT_TRUE(WaitUntil([&] { return !FileExists(leftover); }));
    {
        std::ofstream partial(std::filesystem::path(leftover), std::ios::binary);
        partial << std::string(5000, 'x');
    }

    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Save, L"hoja.vrel"));
    const HWND question = program.WaitForMessageBox();
    ASSERT_NE(question, nullptr);
    Press(question, IDYES);
    EXPECT_TRUE(WaitUntil([&] { return NamesIn(work.Path()).size() == 1; }, 5s))
        << testing::PrintToString(NamesIn(work.Path()));
    EXPECT_EQ(FileSize(work / L"hoja.vrel"), SavedSize);
}

// A read-only file is the user's "do not touch", even after "Sobrescribir ?" is answered Yes.
TEST(SaveDialog, AReadOnlyFileIsLeftAsItWasAndTheSaveIsReportedFailed) {
    ScratchFolder work(L"work");
    const std::wstring target = work / L"hoja.vrel";
    ASSERT_TRUE(WriteDressedWorkFile(target, 2030, 1));
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    const auto before = ReadWholeFile(target);
    Program program(StartingIn(work.Path()));
    ASSERT_NE(program.MainWindow(), nullptr);

    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Save, L"hoja.vrel"));
    const HWND question = program.WaitForMessageBox();
    ASSERT_NE(question, nullptr);
    Press(question, IDYES);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(question); }));
    const HWND failure = program.WaitForMessageBox(5s);
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(MessageBoxText(failure), L"No se ha podido grabar el fichero ...");
    Press(failure, IDOK);
    EXPECT_EQ(ReadWholeFile(target), before);
    EXPECT_EQ(NamesIn(work.Path()), std::vector<std::wstring>{L"hoja.vrel"});
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(OpenDialog, ReadingASavedSheetRestoresItsMonthAndPicture) {
    ScratchFolder work(L"work");
    const YearMonth today = ThisMonth();
    Program program(StartingIn(work.Path()));
    ASSERT_NE(program.MainWindow(), nullptr);
    const auto exported = Export(program, today.Year, today.Month);
    ASSERT_FALSE(exported.empty());
    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Save, L"hoy"));
    ASSERT_TRUE(WaitUntil([&] { return FileSize(work / L"hoy.vrel") == SavedSize; }));

    // Another month on show, then the saved one read back.
    program.Command(MenuCommand::New);
    const HWND chooser = program.WaitForWindow(L"Elige mes y a\u00f1o");
    ASSERT_NE(chooser, nullptr);
    SetText(GetDlgItem(chooser, 5002), L"2031");
    Press(chooser, 5005);
    ASSERT_TRUE(WaitUntil([&] { return program.Caption().find(L"2031") != std::wstring::npos; }));

    program.Command(MenuCommand::Open);  // the new sheet is in no file: it is asked about
    EXPECT_TRUE(AnswerMessage(program, IDNO)
                    .ends_with(L"tiene cambios sin grabar. \u00bfDesea grabarlos?"));
    ASSERT_TRUE(ChooseInFileDialog(WaitForFileDialog(program), L"hoy.vrel"));
    EXPECT_TRUE(
        WaitUntil([&] { return program.Caption() == MonthTitle(today.Year, today.Month); }));
    EXPECT_EQ(Export(program, today.Year, today.Month), exported);
}

TEST(OpenDialog, AfterACancelledSaveItOpensInTheCurrentDirectory) {
    ScratchFolder work(L"work");
    ScratchFolder elsewhere(L"elsewhere");
    ASSERT_TRUE(WriteDressedWorkFile(work / L"uno.vrel", 2030, 1));
    ASSERT_TRUE(WriteDressedWorkFile(elsewhere / L"uno.vrel", 2031, 2));
    // Started with the other folder's file, the program knows that folder...
    Program program(StartingIn(work.Path(), L"\"" + (elsewhere / L"uno.vrel") + L"\""));
    ASSERT_NE(program.MainWindow(), nullptr);
    ASSERT_EQ(program.Caption(), L"Febrero 2031");
    // ...until a cancelled "Grabar" forgets it.
    CancelAfter(program, MenuCommand::Save);
    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Open, L"uno.vrel"));
    EXPECT_TRUE(WaitUntil([&] { return program.Caption() == L"Enero 2030"; }))
        << testing::PrintToString(program.Caption());
}

// "Grabar" keeps a year's months together: it opens in the folder of the sheet's work file.
TEST(OpenDialog, OpensInTheFolderReadLastAndSaveInTheFolderOfTheSheetsFile) {
    ScratchFolder work(L"work");
    ScratchFolder elsewhere(L"elsewhere");
    ASSERT_TRUE(WriteDressedWorkFile(elsewhere / L"dos.vrel", 2032, 3));
    ASSERT_TRUE(WriteDressedWorkFile(elsewhere / L"tres.vrel", 2033, 4));
    Program program(StartingIn(work.Path()));
    ASSERT_NE(program.MainWindow(), nullptr);

    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Open, elsewhere / L"dos.vrel"));
    ASSERT_TRUE(WaitUntil([&] { return program.Caption() == L"Marzo 2032"; }));
    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Open, L"tres.vrel"));
    EXPECT_TRUE(WaitUntil([&] { return program.Caption() == L"Abril 2033"; }));

    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Save, L"cuatro"));
    EXPECT_TRUE(WaitUntil([&] { return FileSize(elsewhere / L"cuatro.vrel") == SavedSize; }));
    EXPECT_FALSE(FileExists(work / L"cuatro.vrel"));
}

// A folder whose name Windows-1252 cannot spell: the path is kept as given, from the command
// line, through "Grabar", to the folder the next "Leer" opens in.
TEST(OpenDialog, AWorkFileInAFolderOfAnyNameIsReadAndSaved) {
    ScratchFolder work(L"work");
    const std::wstring folder = work / L"\u03a9mega";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    ASSERT_TRUE(WriteDressedWorkFile(folder + L"\\julio.vrel", 2031, 7));
    ASSERT_TRUE(WriteDressedWorkFile(folder + L"\\agosto.vrel", 2032, 8));
    Program program(StartingIn(work.Path(), L"\"" + folder + L"\\julio.vrel\""));
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_EQ(program.Caption(), L"Julio 2031");

    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Save, folder + L"\\copia"));
    EXPECT_TRUE(WaitUntil([&] { return FileSize(folder + L"\\copia.vrel") == SavedSize; }));
    ASSERT_TRUE(ChooseAfter(program, MenuCommand::Open, L"agosto.vrel"));
    EXPECT_TRUE(WaitUntil([&] { return program.Caption() == L"Agosto 2032"; }))
        << testing::PrintToString(program.Caption());
    EXPECT_TRUE(program.Windows(L"Programador").empty());
}

}  // namespace
}  // namespace e2e
