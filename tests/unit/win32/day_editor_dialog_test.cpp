#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <windowsx.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/day_editor_win32.h"
#include "platform/win32/handles.h"
#include "support/ico_writer.h"
#include "unit/win32/thread_dialogs.h"

namespace {

// Runs the editor on the sheet; once its loop runs, hands its window to the check and then
// closes it as Alt+F4 would.
void WithOpenEditor(MonthSheet& sheet, std::function<void(HWND editor)> check) {
    static std::function<void(HWND)> pending;
    pending = std::move(check);
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        if (const HWND editor = VisibleThreadDialog()) {
            pending(editor);
            SendMessageW(editor, WM_CLOSE, 0, 0);
        } else {
            ADD_FAILURE() << "the editor did not show";
        }
    });
    ASSERT_NE(timer, 0u);
    OpenDayEditor(nullptr, sheet);
}

std::unique_ptr<MonthSheet> SheetOnFifthOfMarch() {
    auto sheet = std::make_unique<MonthSheet>();
    ResetCells(*sheet);
    sheet->SelectedColumn = 1;
    sheet->SelectedRow = 1;
    DayCell& cell = sheet->Cell(1, 1);
    cell.Day = 5;
    cell.Month = 3;
    cell.Year = 2024;
    cell.HasDay = 1;
    return sheet;
}

RECT RectInParent(HWND child) {
    RECT box{};
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&box), 2);
    return box;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    return name;
}

LONG StyleOf(HWND window) {
    return static_cast<LONG>(GetWindowLongPtrW(window, GWL_STYLE));
}

COLORREF PixelOf(HWND control, int x, int y) {
    UpdateWindow(control);
    const HDC dc = GetDC(control);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return pixel;
}

TEST(DayEditorDialog, HasItsFrameCaptionAndSixtySixControlsInCreationOrder) {
    auto sheet = SheetOnFifthOfMarch();
    WithOpenEditor(*sheet, [](HWND editor) {
        wchar_t caption[32] = {};
        GetWindowTextW(editor, caption, 32);
        EXPECT_STREQ(caption, L"05/03/2024");
        RECT client{}, outer{};
        GetClientRect(editor, &client);
        GetWindowRect(editor, &outer);
        EXPECT_EQ(client.right, 770);
        EXPECT_EQ(client.bottom, 632);
        EXPECT_EQ(outer.left, 105);
        EXPECT_EQ(outer.top, 114);
        EXPECT_EQ(StyleOf(editor) & WS_SYSMENU, 0);
        EXPECT_NE(StyleOf(editor) & WS_CAPTION, 0);

        // Creation order is also the tab order: ascending ids, without 4035 and 4038.
        std::vector<int> expected;
        for (int id = 4001; id <= 4068; ++id)
            if (id != 4035 && id != 4038) expected.push_back(id);
        std::vector<int> created;
        for (HWND child = GetWindow(editor, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            created.push_back(GetDlgCtrlID(child));
        EXPECT_EQ(created, expected);

        const struct {
            int Id;
            RECT Box;
        } places[] = {{4001, {8, 8, 360, 160}},     {4009, {16, 208, 344, 232}},
                      {4013, {16, 296, 344, 320}},  {4029, {16, 536, 344, 560}},
                      {4030, {16, 584, 168, 616}},  {4031, {176, 584, 208, 616}},
                      {4048, {376, 192, 552, 216}}, {4049, {552, 184, 584, 216}},
                      {4062, {592, 344, 648, 376}}, {4064, {368, 400, 760, 562}},
                      {4068, {368, 568, 760, 624}}};
        for (const auto& place : places) {
            const RECT box = RectInParent(GetDlgItem(editor, place.Id));
            EXPECT_EQ(box.left, place.Box.left) << place.Id;
            EXPECT_EQ(box.top, place.Box.top) << place.Id;
            EXPECT_EQ(box.right, place.Box.right) << place.Id;
            EXPECT_EQ(box.bottom, place.Box.bottom) << place.Id;
        }

        const HWND edit = GetDlgItem(editor, 4020);
        EXPECT_EQ(ClassOf(edit), L"Edit");
        EXPECT_EQ(StyleOf(edit) & ES_AUTOHSCROLL, 0);
        EXPECT_NE(StyleOf(edit) & WS_TABSTOP, 0);
        EXPECT_NE(GetWindowLongPtrW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
        EXPECT_EQ(StyleOf(GetDlgItem(editor, 4019)) & BS_TYPEMASK, BS_AUTOCHECKBOX);
        EXPECT_EQ(StyleOf(GetDlgItem(editor, 4033)) & BS_TYPEMASK, BS_GROUPBOX);
        EXPECT_EQ(StyleOf(GetDlgItem(editor, 4050)) & BS_TYPEMASK, BS_PUSHBUTTON);
        EXPECT_EQ(StyleOf(GetDlgItem(editor, 4043)) & SS_TYPEMASK, SS_OWNERDRAW);
        EXPECT_NE(StyleOf(GetDlgItem(editor, 4043)) & WS_BORDER, 0);
        EXPECT_EQ(StyleOf(GetDlgItem(editor, 4043)) & WS_TABSTOP, 0);
        const HWND notice = GetDlgItem(editor, 4068);
        EXPECT_EQ(StyleOf(notice) & SS_TYPEMASK, SS_LEFT);
        wchar_t text[200] = {};
        GetWindowTextW(notice, text, 200);
        EXPECT_STREQ(text,
                     L"Este dialogo solo afecta al d\u00EDa elegido. Para modificar cada d\u00EDa, "
                     L"hay que hacerlo uno a uno, clickeando en cada uno de ellos.");
        GetWindowTextW(GetDlgItem(editor, 4014), text, 200);
        EXPECT_STREQ(text, L"Texto en l\u00EDnea 2");

        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(editor, 4066)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(editor, 4067)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(editor, 4065)));
    });
}

TEST(DayEditorDialog, GivesItsBoldFontToEveryControlButTheDrawingBoxes) {
    auto sheet = SheetOnFifthOfMarch();
    WithOpenEditor(*sheet, [](HWND editor) {
        const auto font =
            reinterpret_cast<HFONT>(SendDlgItemMessageW(editor, 4001, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTW description{};
        GetObjectW(font, sizeof description, &description);
        EXPECT_STREQ(description.lfFaceName, L"MS Sans Serif");
        EXPECT_EQ(description.lfWeight, 700);
        EXPECT_EQ(description.lfHeight, -MulDiv(8, static_cast<int>(GetDpiForWindow(editor)), 72));

        int withFont = 0;
        for (HWND child = GetWindow(editor, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            const bool drawing =
                (StyleOf(child) & SS_TYPEMASK) == SS_OWNERDRAW && ClassOf(child) == L"Static";
            const auto own = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
            if (own == font) ++withFont;
            if (drawing) {
                EXPECT_NE(own, font) << GetDlgCtrlID(child);
            }
        }
        EXPECT_EQ(withFont, 52);
    });
}

// Also run at 120, 144 and 192 dpi on 1920 x 1080 (tests/e2e/screens.sh).
TEST(DayEditorOnScreen, LiesInTheWorkAreaAndEveryTextFitsItsControl) {
    auto sheet = SheetOnFifthOfMarch();
    WithOpenEditor(*sheet, [](HWND editor) {
        RECT outer{}, work{};
        GetWindowRect(editor, &outer);
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_TRUE(outer.top >= work.top && outer.bottom <= work.bottom);
        const int dpi = static_cast<int>(GetDpiForWindow(editor));
        const HDC dc = GetDC(editor);
        for (HWND child = GetWindow(editor, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            // Besides the text: a tick box and the gap after it, or a frame.
            RECT box = RectInParent(child);
            box.right -= (StyleOf(child) & BS_TYPEMASK) == BS_AUTOCHECKBOX
                             ? GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + dpi / 24
                             : dpi / 16;
            RECT needed = box;
            wchar_t text[200] = {};
            const SelectedObject font(dc, GetWindowFont(child));
            DrawTextW(dc, text, GetWindowTextW(child, text, 200), &needed,
                      DT_CALCRECT | DT_WORDBREAK);
            EXPECT_TRUE(needed.right <= box.right && needed.bottom <= box.bottom)
                << GetDlgCtrlID(child) << " at " << dpi << " dpi";
        }
        ReleaseDC(editor, dc);
    });
}

TEST(DayEditorDialog, ShowsTheCellsTicksTextsColorsAndIcons) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "almanaque_editor_dialog";
    fs::create_directories(folder);
    const fs::path icon = folder / "verde.ico";
    ASSERT_TRUE(WriteSolidIcoFile(icon, 32, 0x00C000));  // 0xRRGGBB: green

    auto sheet = SheetOnFifthOfMarch();
    DayCell& cell = sheet->Cell(1, 1);
    cell.Lines[1].LineIsText = 1;
    cell.NumberCentre = 1;
    cell.IconShown[6] = 1;
    AssignSlot(cell.LineText[1], "Cumplea\xF1os");
    cell.LineColor[2] = 0x000000FF;
    const std::string path = icon.string() + "     ";  // stored paths may carry blanks
    AssignSlot(cell.IconPath[4], path);

    WithOpenEditor(*sheet, [](HWND editor) {
        for (int id : {4004, 4006, 4009, 4014, 4054})
            EXPECT_EQ(IsDlgButtonChecked(editor, id), BST_CHECKED) << id;
        for (int id : {4002, 4003, 4005, 4008, 4013, 4034, 4048})
            EXPECT_EQ(IsDlgButtonChecked(editor, id), BST_UNCHECKED) << id;
        wchar_t text[32] = {};
        GetDlgItemTextW(editor, 4015, text, 32);
        EXPECT_STREQ(text, L"Cumplea\u00F1os");

        EXPECT_EQ(PixelOf(GetDlgItem(editor, 4021), 15, 15), RGB(255, 0, 0));
        EXPECT_EQ(PixelOf(GetDlgItem(editor, 4016), 0, 0), RGB(0, 0, 0));  // a colour of 0

        const HWND preview = GetDlgItem(editor, 4049);
        EXPECT_EQ(PixelOf(preview, 0, 0), GetSysColor(COLOR_BTNFACE));  // left uncovered
        EXPECT_EQ(PixelOf(preview, 1, 1), RGB(0, 0xC0, 0));
        EXPECT_EQ(PixelOf(preview, 29, 29), RGB(0, 0xC0, 0));
        EXPECT_EQ(PixelOf(GetDlgItem(editor, 4052), 15, 15), GetSysColor(COLOR_BTNFACE));
    });
    fs::remove_all(folder);
}

}  // namespace
