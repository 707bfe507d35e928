#include <gtest/gtest.h>
#include <windows.h>

#include "app/document/kept_memorized_days.h"
// after windows.h, which it needs
#include <windowsx.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/document/kept_memorized_days.h"
#include "editor/day_editor_controls.h"
#include "editor/day_editor_win32.h"
#include "platform/win32/handles.h"
#include "support/ico_writer.h"
#include "unit/win32/thread_dialogs.h"

namespace {

// Runs the editor on place (1, 2) of the sheet; once its loop runs, hands its window to the check
// and then closes it as Alt+F4 would.
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
    DialogMemory memory;
    KeptMemorizedDays memorized{MemorizedDatesFile(L"")};
    OpenDayEditor(nullptr, sheet, {1, 2}, memory, memorized);
}

// March 2024, whose 5th is place (1, 2).
std::unique_ptr<MonthSheet> SheetOnFifthOfMarch() {
    auto sheet = std::make_unique<MonthSheet>();
    sheet->Year = 2024;
    sheet->Month = 3;
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
        } places[] = {
            {DayGroupId, {8, 8, 360, 160}},           {SaintBoxIds[0], {16, 208, 344, 232}},
            {SaintBoxIds[1], {16, 296, 344, 320}},    {TextBoxIds[4], {16, 536, 344, 560}},
            {LineEditIds[4], {16, 584, 168, 616}},    {SwatchIds[4], {176, 584, 208, 616}},
            {IconBoxIds[4], {376, 192, 552, 216}},    {PreviewIds[4], {552, 184, 584, 216}},
            {IconButtonIds[8], {592, 344, 648, 376}}, {ActionGroupId, {368, 400, 760, 562}},
            {NoticeId, {368, 568, 760, 624}}};
        for (const auto& place : places) {
            const RECT box = RectInParent(GetDlgItem(editor, place.Id));
            EXPECT_EQ(box.left, place.Box.left) << place.Id;
            EXPECT_EQ(box.top, place.Box.top) << place.Id;
            EXPECT_EQ(box.right, place.Box.right) << place.Id;
            EXPECT_EQ(box.bottom, place.Box.bottom) << place.Id;
        }

        const HWND edit = GetDlgItem(editor, LineEditIds[2]);
        EXPECT_EQ(ClassOf(edit), L"Edit");
        EXPECT_EQ(StyleOf(edit) & ES_AUTOHSCROLL, 0);
        EXPECT_NE(StyleOf(edit) & WS_TABSTOP, 0);
        EXPECT_NE(GetWindowLongPtrW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
        EXPECT_EQ(StyleOf(GetDlgItem(editor, TextBoxIds[2])) & BS_TYPEMASK, BS_AUTOCHECKBOX);
        EXPECT_EQ(StyleOf(GetDlgItem(editor, IconGroupId)) & BS_TYPEMASK, BS_GROUPBOX);
        EXPECT_EQ(StyleOf(GetDlgItem(editor, IconButtonIds[4])) & BS_TYPEMASK, BS_PUSHBUTTON);
        const HWND preview = GetDlgItem(editor, PreviewIds[2]);
        EXPECT_EQ(StyleOf(preview) & SS_TYPEMASK, SS_OWNERDRAW);
        EXPECT_NE(StyleOf(preview) & WS_BORDER, 0);
        EXPECT_EQ(StyleOf(preview) & WS_TABSTOP, 0);
        const HWND notice = GetDlgItem(editor, NoticeId);
        EXPECT_EQ(StyleOf(notice) & SS_TYPEMASK, SS_LEFT);
        wchar_t text[200] = {};
        GetWindowTextW(notice, text, 200);
        EXPECT_STREQ(text,
                     L"Este dialogo solo afecta al d\u00EDa elegido. Para modificar cada d\u00EDa, "
                     L"hay que hacerlo uno a uno, clickeando en cada uno de ellos.");
        GetWindowTextW(GetDlgItem(editor, TextBoxIds[1]), text, 200);
        EXPECT_STREQ(text, L"Texto en l\u00EDnea 2");

        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(editor, LockButtonId)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(editor, MemorizeButtonId)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(editor, ResetButtonId)));
    });
}

TEST(DayEditorDialog, GivesItsBoldFontToEveryControlButTheDrawingBoxes) {
    auto sheet = SheetOnFifthOfMarch();
    WithOpenEditor(*sheet, [](HWND editor) {
        const auto font =
            reinterpret_cast<HFONT>(SendDlgItemMessageW(editor, DayGroupId, WM_GETFONT, 0, 0));
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
    Day& day = sheet->Cell(1, 2);
    day.Lines[1].ShowsText = Flag::On;
    day.Numbers.Centre = Flag::On;
    day.Icons[6].Shown = Flag::OtherNumber;  // ticked as any number but 0
    day.Lines[1].LineText = "Cumplea\xF1os";
    day.Lines[2].LineColor = 0x000000FF;
    day.Icons[4].Path = icon.string() + "     ";  // stored paths may carry blanks

    WithOpenEditor(*sheet, [](HWND editor) {
        for (int id :
             {NumberBoxIds[2], NumberBoxIds[4], SaintBoxIds[0], TextBoxIds[1], IconBoxIds[6]})
            EXPECT_EQ(IsDlgButtonChecked(editor, id), BST_CHECKED) << id;
        for (int id : {NumberBoxIds[0], NumberBoxIds[1], NumberBoxIds[3], TextBoxIds[0],
                       SaintBoxIds[1], IconBoxIds[0], IconBoxIds[4]})
            EXPECT_EQ(IsDlgButtonChecked(editor, id), BST_UNCHECKED) << id;
        wchar_t text[32] = {};
        GetDlgItemTextW(editor, LineEditIds[1], text, 32);
        EXPECT_STREQ(text, L"Cumplea\u00F1os");

        EXPECT_EQ(PixelOf(GetDlgItem(editor, SwatchIds[2]), 15, 15), RGB(255, 0, 0));
        EXPECT_EQ(PixelOf(GetDlgItem(editor, SwatchIds[1]), 0, 0), RGB(0, 0, 0));  // colour 0

        const HWND preview = GetDlgItem(editor, PreviewIds[4]);
        EXPECT_EQ(PixelOf(preview, 0, 0), GetSysColor(COLOR_BTNFACE));  // left uncovered
        EXPECT_EQ(PixelOf(preview, 1, 1), RGB(0, 0xC0, 0));
        EXPECT_EQ(PixelOf(preview, 29, 29), RGB(0, 0xC0, 0));
        EXPECT_EQ(PixelOf(GetDlgItem(editor, PreviewIds[5]), 15, 15), GetSysColor(COLOR_BTNFACE));
    });
    fs::remove_all(folder);
}

// Moved to a monitor of 144 dpi (WM_DPICHANGED, sent here by hand: Wine never sends it), the
// editor is laid out anew: its size, its boxes, its font, a swatch and an icon over their new size.
TEST(DayEditorDialog, IsLaidOutAgainForTheResolutionOfAnotherMonitor) {
    const std::filesystem::path icon = std::filesystem::temp_directory_path() / "almanaque_dpi.ico";
    ASSERT_TRUE(WriteSolidIcoFile(icon, 48, 0x00C000));
    auto sheet = SheetOnFifthOfMarch();
    sheet->Cell(1, 2).Lines[2].LineColor = 0x000000FF;
    sheet->Cell(1, 2).Icons[4].Path = icon.string();
    WithOpenEditor(*sheet, [](HWND editor) {
        RECT suggested{}, client{};
        GetWindowRect(editor, &suggested);
        SendMessageW(editor, WM_DPICHANGED, MAKEWPARAM(144, 144),
                     reinterpret_cast<LPARAM>(&suggested));
        GetClientRect(editor, &client);
        EXPECT_EQ(client.right, 1155);
        EXPECT_EQ(client.bottom, 948);
        const RECT swatch = RectInParent(GetDlgItem(editor, SwatchIds[4]));
        EXPECT_EQ(std::vector({swatch.left, swatch.top, swatch.right, swatch.bottom}),
                  std::vector<LONG>({264, 876, 312, 924}));
        LOGFONTW font{};
        GetObjectW(GetWindowFont(GetDlgItem(editor, DayGroupId)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, -16);
        EXPECT_EQ(PixelOf(GetDlgItem(editor, SwatchIds[2]), 40, 40), RGB(255, 0, 0));
        EXPECT_EQ(PixelOf(GetDlgItem(editor, PreviewIds[4]), 40, 40), RGB(0, 0xC0, 0));
    });
    std::filesystem::remove(icon);
}

}  // namespace
