// "Imprimir" without any printer; and on a real spooler, driven from print_test.sh, which starts
// a CUPS scheduler with a PDF-writing queue as the default printer and afterwards checks what
// came out of it: nothing for Cancel, one PDF of the decorated sheet (skipped without it).

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "app/main_menu.h"
#include "driver/file_dialogs.h"
#include "driver/program_driver.h"
#include "driver/sheets.h"

namespace e2e {
namespace {

// Where print_test.sh wants the program's own image of the printed sheet.
const wchar_t* CheckFolder() {
    return _wgetenv(L"ALMANAQUE_PRINT_CHECK");
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

// The program on a dressed May 2027, in a folder of its own where "Grabar" saves.
struct DressedSheet {
    ScratchFolder Work{L"work"};
    bool Written = WriteDressedWorkFile(Work / L"mayo.vrel", 2027, 5);
    Program Running{[this] {
        ProgramOptions options =
            ProgramOptions::WithCommandTail(L"\"" + Work / L"mayo.vrel" + L"\"");
        options.CurrentDirectory = Work.Path();
        return options;
    }()};

    // The document as "Grabar" writes it under this name.
    std::optional<std::vector<std::uint8_t>> Saved(std::wstring_view name) {
        const std::wstring path = Work / (std::wstring(name) + L".vrel");
        if (!ChooseAfter(Running, MenuCommand::Save, name) || !WaitUntil([&] {
                return ReadWholeFile(path).value_or(std::vector<std::uint8_t>{}).size() ==
                       49 * 2652;
            }))
            return std::nullopt;
        return ReadWholeFile(path);
    }
};

TEST(PrintWithoutPrinter, SaysSoInItsOwnWordsAndTheDocumentAndProgramCarryOn) {
    DressedSheet sheet;
    ASSERT_TRUE(sheet.Written);
    ASSERT_NE(sheet.Running.MainWindow(), nullptr);
    const auto before = sheet.Saved(L"antes");
    ASSERT_TRUE(before);

    sheet.Running.Command(MenuCommand::Print);
    const HWND box = sheet.Running.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              L"No hay ninguna impresora instalada ...\r\n"
              L"Para imprimir la hoja hay que a\u00f1adir una impresora en Windows.");
    Press(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(sheet.Saved(L"despues"), before);
    EXPECT_EQ(sheet.Running.Caption(), MonthTitle(2027, 5));
}

TEST(Print, CancelInTheDialogPrintsNothingAndLeavesTheDocumentAsItWas) {
    if (!CheckFolder()) GTEST_SKIP() << "run by print_test.sh";
    DressedSheet sheet;
    ASSERT_TRUE(sheet.Written);
    ASSERT_NE(sheet.Running.MainWindow(), nullptr);
    const auto before = sheet.Saved(L"antes");
    ASSERT_TRUE(before);

    sheet.Running.Command(MenuCommand::Print);
    const HWND dialog = WaitForPrintDialog(sheet.Running);
    ASSERT_NE(dialog, nullptr);
    Press(dialog, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(sheet.Running.WaitUntilIdle());
    EXPECT_TRUE(sheet.Running.Windows(L"Programador").empty());
    EXPECT_EQ(sheet.Saved(L"despues"), before);
}

TEST(Print, OkPrintsTheDecoratedSheetAndGrabarImagenGivesItsImageToCompare) {
    if (!CheckFolder()) GTEST_SKIP() << "run by print_test.sh";
    ScratchFolder data(L"data");
    ASSERT_TRUE(WriteDecoratedWorkFile(data / L"febrero.vrel"));
    HandoverRecorder handover;
    Program program(ProgramOptions::WithCommandTail(L"\"" + data / L"febrero.vrel" + L"\""));
    ASSERT_NE(program.MainWindow(), nullptr);
    ASSERT_EQ(program.Caption(), MonthTitle(2024, 2));

    program.Command(MenuCommand::Print);
    const HWND dialog = WaitForPrintDialog(program);
    ASSERT_NE(dialog, nullptr);
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    // Once the program is idle again, the job is with the spooler or has failed.
    ASSERT_TRUE(program.WaitUntilIdle());
    EXPECT_TRUE(program.Windows(L"Programador").empty());

    program.Command(MenuCommand::ExportImage);
    const HWND box = program.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    Press(box, IDOK);
    const std::wstring image = program.Folder() + L"\\" + ExportName(2024, 2);
    EXPECT_TRUE(
        CopyFileW(image.c_str(), (std::wstring(CheckFolder()) + L"\\hoja.bmp").c_str(), FALSE));
}

}  // namespace
}  // namespace e2e
