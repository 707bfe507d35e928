// Suites run only on their own virtual screens (screens.sh): SmallScreen on 1366 x 768 and on
// 1280 x 720 at 96 dpi, LargeScreen on 3840 x 2160 at 144 dpi.

#include <gtest/gtest.h>

#include "app/main_menu.h"
#include "driver/console_program.h"
#include "driver/program_driver.h"
#include "driver/sheets.h"

namespace e2e {
namespace {

// The program showing a dressed June 2025.
struct June {
    ScratchFolder Data{L"data"};
    bool Written = WriteDressedWorkFile(Data / L"junio.vrel", 2025, 6);
    Program Running{ProgramOptions::WithCommandTail(L"\"" + Data / L"junio.vrel" + L"\"")};
    HWND Main = Running.MainWindow();
    HWND View = GetDlgItem(Main, 1001);
};

bool OnScreen(HWND window) {
    RECT outer{}, common{};
    GetWindowRect(window, &outer);
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return IntersectRect(&common, &outer, &screen) && EqualRect(&common, &outer);
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
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(OnScreen(editor));
}

TEST(LargeScreen, TheSheetIsItsPageAt144DpiAndGrabarImagenTheSameImageAsAt96) {
    June june;
    ScratchFolder pages(L"pages");
    ASSERT_TRUE(june.Written && june.View);
    const auto page = [&](const wchar_t* dotsPerInch) {
        RunConsoleProgram(BuiltExporterPath(),
                          {L"--ppp", dotsPerInch, L"--formato", L"bmp", L"--carpeta", pages.Path(),
                           june.Data / L"junio.vrel"},
                          june.Running.Folder());
        return ReadWholeFile(pages / ExportName(2025, 6));
    };
    // 1683 x 1191, pixel for pixel.
    EXPECT_TRUE(EncodeBitmapFile(CaptureClientArea(june.View)) == page(L"144"));

    june.Running.Command(MenuCommand::ExportImage);
    const HWND box = june.Running.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    const auto exported = ReadWholeFile(june.Running.Folder() + L"\\" + ExportName(2025, 6));
    Press(box, IDOK);
    EXPECT_TRUE(exported == page(L"96"));
}

}  // namespace
}  // namespace e2e
