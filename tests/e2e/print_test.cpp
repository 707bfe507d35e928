// "Imprimir" without any printer; and on a real spooler, driven from print_test.sh, which starts
// a CUPS scheduler with a PDF-writing queue as the default printer and then checks what came
// out of it (skipped without it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/window/main_menu.h"
#include "driver/file_dialogs.h"
#include "driver/program_driver.h"
#include "driver/sheets.h"

namespace e2e {
namespace {

// The program on the decorated February 2024, "Grabar" saving into the folder.
ProgramOptions OnDecoratedSheet(const ScratchFolder& folder) {
    EXPECT_TRUE(WriteDecoratedWorkFile(folder / L"febrero.vrel"));
    ProgramOptions options =
        ProgramOptions::WithCommandTail(L"\"" + folder / L"febrero.vrel" + L"\"");
    options.CurrentDirectory = folder.Path();
    return options;
}

// The document as "Grabar" writes it under this name; empty when it was not saved.
std::vector<std::uint8_t> Saved(Program& program, const ScratchFolder& folder,
                                const std::wstring& name) {
    const auto saved = [&] {
        return ReadWholeFile(folder / (name + L".vrel")).value_or(std::vector<std::uint8_t>{});
    };
    if (ChooseAfter(program, MenuCommand::Save, name))
        WaitUntil([&] { return saved().size() == 49 * 2652; });
    return saved();
}

// The system's print dialog: a dialog of the program that is neither the main window nor one
// of its message boxes.
HWND WaitForPrintDialog(Program& program) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (const HWND window : program.Windows())
            if (window != program.MainWindow() && ClassOf(window) == L"#32770" &&
                TextOf(window) != L"Programador" && GetDlgItem(window, IDOK))
                found = window;
        return found != nullptr;
    });
    return found;
}

TEST(PrintWithoutPrinter, SaysSoInItsOwnWordsAndTheDocumentAndProgramCarryOn) {
    ScratchFolder folder(L"work");
    Program program(OnDecoratedSheet(folder));
    const auto before = Saved(program, folder, L"antes");
    ASSERT_FALSE(before.empty());

    program.Command(MenuCommand::Print);
    const HWND box = program.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              L"No hay ninguna impresora instalada ...\r\n"
              L"Para imprimir la hoja hay que a\u00f1adir una impresora en Windows.");
    Press(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(Saved(program, folder, L"despues"), before);
}

// print_test.sh checks that the spooler got exactly one job: the one of OK.
TEST(Print, CancelThenOkAndTheDocumentStaysAsItWas) {
    const wchar_t* check = _wgetenv(L"ALMANAQUE_PRINT_CHECK");
    if (!check) GTEST_SKIP() << "run by print_test.sh";
    ScratchFolder folder(L"work");
    HandoverRecorder handover;
    Program program(OnDecoratedSheet(folder));
    const auto before = Saved(program, folder, L"antes");
    ASSERT_FALSE(before.empty());

    for (const int button : {IDCANCEL, IDOK}) {
        program.Command(MenuCommand::Print);
        const HWND dialog = WaitForPrintDialog(program);
        ASSERT_NE(dialog, nullptr);
        Press(dialog, button);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
        // Idle again: the job is with the spooler, or has failed with a message.
        ASSERT_TRUE(program.WaitUntilIdle());
        EXPECT_TRUE(program.Windows(L"Programador").empty());
    }
    EXPECT_EQ(Saved(program, folder, L"despues"), before);

    // The program's own image of the sheet, for print_test.sh to compare the page with.
    program.Command(MenuCommand::ExportImage);
    const HWND box = program.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    Press(box, IDOK);
    const std::wstring image = program.Folder() + L"\\" + ExportName(2024, 2);
    EXPECT_TRUE(CopyFileW(image.c_str(), (std::wstring(check) + L"\\hoja.bmp").c_str(), FALSE));
}

// Under Wine the printer's own properties are a property sheet whose "Paper" page has the
// orientation's buttons ("Portrait": 101). print_test.sh checks that both pages are portrait.
TEST(Print, WhatWasChosenStaysForTheNextPrint) {
    if (!_wgetenv(L"ALMANAQUE_PRINT_CHECK")) GTEST_SKIP() << "run by print_test.sh";
    Program program;
    for (const bool choose : {true, false}) {
        program.Command(MenuCommand::Print);
        const HWND dialog = WaitForPrintDialog(program);
        ASSERT_NE(dialog, nullptr);
        if (choose) {
            Press(dialog, 1025);  // "Properties"
            HWND sheet = nullptr, page = nullptr;
            ASSERT_TRUE(WaitUntil([&] {
                for (const HWND window : program.Windows()) {
                    const HWND inner = FindWindowExW(window, nullptr, L"#32770", nullptr);
                    if (window != dialog && inner && GetDlgItem(inner, 101)) {
                        sheet = window;
                        page = inner;
                    }
                }
                return sheet != nullptr;
            }));
            Press(page, 101);
            Press(sheet, IDOK);
            ASSERT_TRUE(WaitUntil([&] { return !IsWindow(sheet); }));
        }
        Press(dialog, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
        ASSERT_TRUE(program.WaitUntilIdle());
        EXPECT_TRUE(program.Windows(L"Programador").empty());
    }
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

// A year of one job, from the work files beside the sheet's: print_test.sh checks its twelve
// pages; the first job, cancelled in the progress window, leaves no PDF.
TEST(Print, AYearIsOneJobOfTwelvePagesAndACancelledOneLeavesNothing) {
    if (!_wgetenv(L"ALMANAQUE_PRINT_CHECK")) GTEST_SKIP() << "run by print_test.sh";
    ScratchFolder folder(L"year");
    ASSERT_TRUE(WriteDressedWorkFile(folder / L"2027 1.vrel", 2027, 1));
    ASSERT_TRUE(WriteDressedWorkFile(folder / L"2027 5.vrel", 2027, 5));
    Program program(ProgramOptions::WithCommandTail(L"\"" + folder / L"2027 1.vrel" + L"\""));
    for (const bool cancel : {true, false}) {
        program.Command(MenuCommand::PrintYear);
        const HWND year = program.WaitForWindow(L"Imprimir a\u00f1o");
        ASSERT_NE(year, nullptr);
        EXPECT_EQ(TextOf(GetDlgItem(year, 5002)), L"2027");
        EXPECT_TRUE(program.CommandReturns(MenuCommand::PrintYear, std::chrono::seconds(2)))
            << "a second year dialog opened";
        Press(year, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(year); }));
        const HWND dialog = WaitForPrintDialog(program);
        ASSERT_NE(dialog, nullptr);
        Press(dialog, IDOK);
        const HWND progress = program.WaitForWindow(L"Imprimiendo");
        ASSERT_NE(progress, nullptr);
        // The job prints on while the main window is refused its commands, "Salir" among them.
        program.Command(MenuCommand::Exit);
        if (cancel) Press(progress, IDCANCEL);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(progress); }));
        EXPECT_TRUE(program.Running());
    }
    program.Command(MenuCommand::Exit);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
