// The main window's geometry, the about box, and the guards that keep a dialog from opening
// twice.

#include <gtest/gtest.h>

#include "app/window/main_menu.h"
#include "driver/program_driver.h"
#include "editor/day_editor_controls.h"

namespace e2e {
namespace {

constexpr int SheetViewId = 1001;

// The middle of a day box that every month has: column 3, row 2 (the second week is full).
constexpr int DayX = 3 * 160 + 80;
constexpr int DayY = 103 * 2 + 70 + 50;

TEST(MainWindow, TheSheetGrowsWithTheWindowAndTheCloseBoxEndsTheProgram) {
    Program program;
    const HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    const HWND view = GetDlgItem(main, SheetViewId);
    ASSERT_NE(view, nullptr);

    const LONG_PTR style = GetWindowLongPtrW(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU) << "a close box";
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(GetWindowLongPtrW(view, GWL_STYLE) & SS_NOTIFY);
    EXPECT_EQ(GetWindowLongPtrW(view, GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);

    // 1132 x 824 before the menu bar took its height from the client area.
    const RECT client = ClientRect(main);
    EXPECT_EQ(client.right, 1132);
    EXPECT_GT(client.bottom, 824 - 40);
    EXPECT_LT(client.bottom, 824);

    // Centred in the work area.
    RECT outer{}, work{};
    GetWindowRect(main, &outer);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR(outer.left + outer.right, work.left + work.right, 2);
    EXPECT_NEAR(outer.top + outer.bottom, work.top + work.bottom, 2);

    const auto expectSheetViewInPlace = [&] {
        const RECT box = ChildRect(view);
        EXPECT_EQ(box.left, 5);
        EXPECT_EQ(box.top, 5);
        EXPECT_EQ(box.right - box.left, 1122);
        EXPECT_EQ(box.bottom - box.top, 794);
    };
    expectSheetViewInPlace();
    ASSERT_TRUE(SetWindowPos(main, nullptr, 20, 20, 1400, 980, SWP_NOZORDER | SWP_NOACTIVATE));
    EXPECT_TRUE(WaitUntil([&] { return ClientRect(view).right > 1122; })) << "the sheet grows";
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST(MainWindow, AutorAndTheDayEditorExcludeEachOther) {
    Program program;
    const HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    program.Command(MenuCommand::About);
    const HWND about = program.WaitForWindow(L"Autor");
    ASSERT_NE(about, nullptr);

    RECT outer{};
    GetWindowRect(about, &outer);
    EXPECT_EQ(outer.left, 105);
    EXPECT_EQ(outer.top, 114);
    EXPECT_EQ(ClientRect(about).right, 302);
    EXPECT_EQ(ClientRect(about).bottom, 197);
    EXPECT_FALSE(GetWindowLongPtrW(about, GWL_STYLE) & WS_SYSMENU);
    EXPECT_EQ(TextOf(GetDlgItem(about, 3005)), L"Salir");
    EXPECT_NE(SendMessageW(GetDlgItem(about, 3002), STM_GETICON, 0, 0), 0) << "the program's icon";
    const RECT picture = ChildRect(GetDlgItem(about, 3002));
    EXPECT_EQ(picture.left, 8);
    EXPECT_EQ(picture.top, 8);
    EXPECT_EQ(picture.right - picture.left, 64);
    EXPECT_EQ(picture.bottom - picture.top, 64);
    EXPECT_FALSE(TextOf(GetDlgItem(about, 3004)).empty());
    // Owned by the main window, the box stays above it; the main window is not disabled.
    EXPECT_EQ(GetWindow(about, GW_OWNER), main);
    EXPECT_TRUE(IsWindowEnabled(main));

    // A second "Autor" returns at once instead of opening another box.
    EXPECT_TRUE(program.CommandReturns(MenuCommand::About));
    EXPECT_EQ(program.Windows(L"Autor").size(), 1u);

    // A click on a day opens nothing while the box is up.
    ClickAt(GetDlgItem(main, SheetViewId), DayX, DayY);
    Sleep(500);
    EXPECT_EQ(program.Windows().size(), 2u);

    Press(about, 3005);
    EXPECT_TRUE(WaitUntil([&] { return program.Windows(L"Autor").empty(); }));
    EXPECT_EQ(program.Windows().size(), 1u);

    // With the box closed, the same click opens the day editor, captioned with the day's date.
    ClickAt(GetDlgItem(main, SheetViewId), DayX, DayY);
    HWND editor = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (const HWND window : program.Windows())
            if (window != main) editor = window;
        return editor != nullptr;
    }));
    const YearMonth today = ThisMonth();
    EXPECT_NE(TextOf(editor).find(L"/" + std::to_wstring(today.Year)), std::wstring::npos)
        << testing::PrintToString(TextOf(editor));
    EXPECT_EQ(GetWindow(editor, GW_OWNER), main);
    // The main window takes its commands while the editor is open; "Autor" is refused.
    EXPECT_TRUE(program.CommandReturns(MenuCommand::About));
    EXPECT_TRUE(program.Windows(L"Autor").empty());
    Press(editor, ExitButtonId);
    EXPECT_TRUE(WaitUntil([&] { return program.Windows().size() == 1; }));
}

}  // namespace
}  // namespace e2e
