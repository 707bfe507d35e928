// Starting the program: the month it shows and the name its export gets, with and without a
// work file on the command line.

#include <gtest/gtest.h>

#include <iostream>

#include "app/window/main_menu.h"
#include "driver/program_driver.h"
#include "driver/sheets.h"

namespace e2e {
namespace {

// Answers the program's message; the message's text.
std::wstring ThisMonthsTitle() {
    const YearMonth today = ThisMonth();
    return MonthTitle(today.Year, today.Month);
}

// Exports the sheet on show and answers the message; the message's text.
std::wstring ExportAndAnswer(Program& program) {
    program.Command(MenuCommand::ExportImage);
    return AnswerMessage(program);
}

TEST(ProgramStart, WithoutCommandLineShowsTodayAndNamesTheExportAfterIt) {
    Program program;
    ASSERT_TRUE(program.Started());
    const HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    const YearMonth today = ThisMonth();
    EXPECT_TRUE(WaitUntil([&] { return program.Caption() == MonthTitle(today.Year, today.Month); }))
        << "caption: " << testing::PrintToString(program.Caption());
    const auto shown = std::chrono::steady_clock::now() - program.StartTime();
    std::cout << "[ timing ] start to visible drawn main window: "
              << std::chrono::duration_cast<std::chrono::milliseconds>(shown).count() << " ms\n";

    EXPECT_EQ(ExportAndAnswer(program), L"Mes fotocopiado a bitmap ...");
    EXPECT_TRUE(FileExists(program.Folder() + L"\\" + ExportName(today.Year, today.Month)));
}

TEST(ProgramStart, QuotedWorkFilePathWithBlanksShowsThatFilesMonth) {
    ScratchFolder data(L"data");
    const std::wstring folder = data / L"mis hojas de trabajo";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring file = folder + L"\\mayo 2027.vrel";
    ASSERT_TRUE(WriteDressedWorkFile(file, 2027, 5));

    Program program(ProgramOptions::WithCommandTail(L"\"" + file + L"\""));
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_EQ(program.Caption(), L"Mayo 2027");
    EXPECT_EQ(program.Windows().size(), 1u) << "no message is shown";
    EXPECT_EQ(ExportAndAnswer(program), L"Mes fotocopiado a bitmap ...");
    EXPECT_TRUE(FileExists(program.Folder() + L"\\2027 5.bmp"));
}

TEST(ProgramStart, ACommandLineNamingNoFileShowsTodayWithoutAMessage) {
    ScratchFolder data(L"data");
    // Two paths read as one path with a blank, which names no file.
    const std::wstring tail =
        L"\"" + (data / L"uno.vrel") + L"\" \"" + (data / L"dos.vrel") + L"\"";
    Program program(ProgramOptions::WithCommandTail(tail));
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_EQ(program.Caption(), ThisMonthsTitle());
    Sleep(300);
    EXPECT_EQ(program.Windows().size(), 1u);
}

TEST(ProgramStart, ARefusedWorkFileShowsTheFormatMessageThenToday) {
    ScratchFolder data(L"data");
    const std::wstring file = data / L"roto.vrel";
    {
        const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE);
        const char bytes[2653] = {};  // one record and a byte
        DWORD written = 0;
        WriteFile(handle, bytes, sizeof bytes, &written, nullptr);
        CloseHandle(handle);
    }
    Program program(ProgramOptions::WithCommandTail(L"\"" + file + L"\""));
    EXPECT_EQ(AnswerMessage(program),
              L"Formato de fichero erroneo ...\r\n"
              L"Se puede tratar de un fichero de trabajo de una versi\u00f3n anterior ...");
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_EQ(program.Caption(), ThisMonthsTitle());
}

// A name the system refuses (no file name may hold "|") is not a missing file: it is told.
TEST(ProgramStart, APathTheSystemCannotUseShowsTheReadMessageThenToday) {
    ScratchFolder data(L"data");
    Program program(ProgramOptions::WithCommandTail(L"\"" + (data / L"mayo|junio.vrel") + L"\""));
    EXPECT_EQ(AnswerMessage(program), L"No se ha podido leer el fichero ...");
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_EQ(program.Caption(), ThisMonthsTitle());
}

TEST(ProgramStart, SalirEndsTheProgramWithExitCodeZero) {
    Program program;
    ASSERT_NE(program.MainWindow(), nullptr);
    program.Command(MenuCommand::Exit);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
