// Only on screens.sh's screens: SmallScreen at 1366 x 768 and 1280 x 720, LargeScreen at 144 dpi.

#include <gtest/gtest.h>

#include "app/window/main_menu.h"
#include "driver/console_program.h"
#include "driver/program_driver.h"
#include "driver/sheets.h"

namespace e2e {
namespace {

// The program showing a dressed June 2025.
struct June {
    ScratchFolder Data{L"data"};
    std::wstring File = Data / L"junio.vrel";
    bool Written = WriteDressedWorkFile(File, 2025, 6);
    Program Running{ProgramOptions::WithCommandTail(L"\"" + File + L"\"")};
    HWND Main = Running.MainWindow();
    HWND View = GetDlgItem(Main, 1001);
};

bool OnScreen(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    return box.left >= 0 && box.top >= 0 && box.right <= GetSystemMetrics(SM_CXSCREEN) &&
           box.bottom <= GetSystemMetrics(SM_CYSCREEN);
}

TEST(SmallScreen, TheWholeWindowIsOnScreenAndAClickOnTheLastWeekOpensItsDay) {
    June june;
    ASSERT_TRUE(june.Written && june.View);
    EXPECT_TRUE(OnScreen(june.Main)) << "caption and menu included";
    EXPECT_TRUE(OnScreen(june.View) && ChildRect(june.View).bottom <= ClientRect(june.Main).bottom);
    // The middle of the sixth week's first day, Monday the 30th: (80, 737) on the 96-dpi sheet.
    const RECT shown = ClientRect(june.View);
    ClickAt(june.View, 80 * shown.right / 1122, 737 * shown.bottom / 794);
    const HWND editor = june.Running.WaitForWindow(L"30/06/2025");
    EXPECT_TRUE(editor && OnScreen(editor));
}

TEST(LargeScreen, TheSheetIsItsPageAt144DpiAndGrabarImagenTheSameImageAsAt96) {
    June june;
    ASSERT_TRUE(june.Written && june.View);
    const auto page = [&](const wchar_t* dotsPerInch) {
        RunConsoleProgram(BuiltExporterPath(),
                          {L"--ppp", dotsPerInch, L"--formato", L"bmp", L"--carpeta",
                           june.Data.Path(), june.File},
                          june.Running.Folder());
        return ReadWholeFile(june.Data / ExportName(2025, 6));
    };
    EXPECT_TRUE(EncodeBitmapFile(CaptureWindow(june.View)) == page(L"144"));  // 1683 x 1191

    june.Running.Command(MenuCommand::ExportImage);
    const HWND box = june.Running.WaitForMessageBox();  // "Mes fotocopiado a bitmap ..."
    const auto exported = ReadWholeFile(june.Running.Folder() + L"\\" + ExportName(2025, 6));
    Press(box, IDOK);
    EXPECT_TRUE(exported == page(L"96"));
}

}  // namespace
}  // namespace e2e
