// The day editor worked through the running program: which cell it opens on, what its boxes,
// texts, colours, icons and "Resetear" store, and what the sheet then shows.

#include "driver/day_editor.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/window/main_menu.h"
#include "calendar/month_sheet.h"
#include "driver/file_dialogs.h"
#include "driver/program_driver.h"
#include "driver/sheets.h"
#include "editor/day_editor_controls.h"
#include "persistence/work_file.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "render/bitmap_file.h"
#include "render/draw_month_sheet.h"
#include "render/gdi_canvas_win32.h"
#include "render/sheet_geometry.h"

namespace e2e {
namespace {

constexpr int SheetViewId = 1001;

// Controls of the editor.
constexpr int TopLeft = NumberBoxIds[0], TopRight = NumberBoxIds[1];
constexpr int BottomLeft = NumberBoxIds[2], BottomRight = NumberBoxIds[3];
constexpr int Centre = NumberBoxIds[4];
constexpr int Text1 = TextBoxIds[0], Saint1 = SaintBoxIds[0], Edit1 = LineEditIds[0];
constexpr int Text2 = TextBoxIds[1], Saint2 = SaintBoxIds[1], Edit2 = LineEditIds[1];
constexpr int Swatch2 = SwatchIds[1], Color2 = ColorButtonIds[1];
constexpr int Text3 = TextBoxIds[2], Saint3 = SaintBoxIds[2], Edit3 = LineEditIds[2];
constexpr int IconBox5 = IconBoxIds[4], Preview5 = PreviewIds[4], IconButton5 = IconButtonIds[4];
constexpr int ExitButton = ExitButtonId, ResetButton = ResetButtonId;

using Place = DayPlace;

// The running program with its sheet of this month, and the days of that month on it.
class Session {
  public:
    Session() {
        Main = Running.MainWindow();
        if (Main) View = GetDlgItem(Main, SheetViewId);
        const LocalDate today = TodayLocal();
        Year = today.Year;
        Month = today.Month;
        Today = today.Day;
    }
    bool Ready() const { return View != nullptr; }

    // A day of the month other than today (today's lines take the sheet's own colour).
    int SomeDay(int preferred) const { return preferred == Today ? preferred + 1 : preferred; }

    Place PlaceOf(int day) const { return PlaceOfDay(day); }
    std::wstring CaptionOf(int day) const { return EditorCaption(day); }
    void ClickOn(Place place) { ClickOnDay(Running, place); }
    HWND Open(int day) { return OpenEditorOnDay(Running, day); }

    // The top-level windows of the program other than the main window.
    std::vector<HWND> Dialogs() const {
        std::vector<HWND> dialogs;
        for (const HWND window : Running.Windows())
            if (window != Main) dialogs.push_back(window);
        return dialogs;
    }

    Program Running;
    HWND Main = nullptr;
    HWND View = nullptr;
    int Year = 0, Month = 0, Today = 0;
};

std::vector<int> TickedBoxes(HWND editor) {
    std::vector<int> ticked;
    for (const int id : AllCheckBoxIds)
        if (Ticked(editor, id)) ticked.push_back(id);
    return ticked;
}

RECT OuterRect(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    return box;
}

// A screen pixel; the test runs on the same display as the program.
COLORREF ScreenPixel(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    const HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

// The colour chooser: the window with the red, green and blue boxes.
constexpr int RedBox = 706, GreenBox = 707, BlueBox = 708;
HWND WaitForColorDialog(Session& session) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (const HWND window : session.Dialogs())
            if (GetDlgItem(window, RedBox) && GetDlgItem(window, BlueBox)) found = window;
        return found != nullptr;
    });
    return found;
}

// The exported sheet of the month, as the program writes it beside itself.
std::vector<std::uint8_t> ExportedSheet(Session& session) {
    HandoverRecorder handover;
    const std::wstring path =
        session.Running.Folder() + L"\\" + ExportName(session.Year, session.Month);
    DeleteFileW(path.c_str());
    session.Running.Command(MenuCommand::ExportImage);
    const HWND box = session.Running.WaitForMessageBox();
    if (!box) return {};
    auto bytes = ReadWholeFile(path);
    Press(box, IDOK);
    WaitUntil([&] { return !handover.Handed().empty(); });
    return bytes.value_or(std::vector<std::uint8_t>{});
}

// The program's document as it stands after start-up, then the change given, drawn: what the
// running program holds and shows after the same change made through its editor.
template <typename Change>
std::unique_ptr<MonthSheet> ExpectedDocument(const Session& session, GdiCanvas& canvas,
                                             Change change) {
    auto sheet = std::make_unique<MonthSheet>();
    sheet->Year = static_cast<std::int16_t>(session.Year);
    sheet->Month = static_cast<std::int16_t>(session.Month);
    sheet->Cell(0, 2).Icons[8].Path = "apple.ico";
    change(*sheet);
    canvas.Clear(White);
    DrawMonthSheet(canvas, *sheet, TodayLocal());
    return sheet;
}

// The bitmap file of that sheet.
template <typename Change>
std::vector<std::uint8_t> ExpectedSheet(const Session& session, Change change) {
    GdiCanvas canvas;
    ExpectedDocument(session, canvas, change);
    return EncodeBitmapFile(canvas.ReadPixels());
}

// A pixel of a 24-bit bottom-up bitmap file of the sheet.
COLORREF SheetPixel(const std::vector<std::uint8_t>& bitmap, int x, int y) {
    constexpr int Stride = (SheetWidth * 3 + 3) / 4 * 4;
    const std::size_t at = 54 + static_cast<std::size_t>(SheetHeight - 1 - y) * Stride + 3 * x;
    return RGB(bitmap[at + 2], bitmap[at + 1], bitmap[at]);
}

TEST(DayEditorOpening, AClickOpensTheEditorOnThatDayWithTheDefaultsOfANewSheet) {
    Session session;
    ASSERT_TRUE(session.Ready());
    const int day = session.SomeDay(12);
    const HWND editor = session.Open(day);
    ASSERT_NE(editor, nullptr) << "no editor captioned "
                               << testing::PrintToString(session.CaptionOf(day));
    EXPECT_EQ(session.Dialogs().size(), 1u);
    EXPECT_EQ(TickedBoxes(editor), (std::vector<int>{BottomLeft, Saint1}));
    for (const int id : LineEditIds) EXPECT_EQ(TextOf(GetDlgItem(editor, id)), L"") << id;
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(editor, LockButtonId)));
    EXPECT_EQ(TextOf(GetDlgItem(editor, MemorizeButtonId)), L"Memorizar");
    EXPECT_TRUE(IsWindowEnabled(session.Main)) << "the editor has no owner to disable";
    ASSERT_TRUE(CloseAsAltF4(editor));

    // The weekday row and the title above it hold no day: nothing opens.
    ClickAt(session.View, 2 * 160 + 80, 40);
    ClickAt(session.View, 2 * 160 + 80, 20);
    Sleep(700);
    EXPECT_TRUE(session.Dialogs().empty());
}

TEST(DayEditorOpening, ASecondClickOpensNoSecondEditorAndTheFirstKeepsItsCell) {
    Session session;
    ASSERT_TRUE(session.Ready());
    const int first = session.SomeDay(8), second = session.SomeDay(20);
    const HWND editor = session.Open(first);
    ASSERT_NE(editor, nullptr);

    session.ClickOn(session.PlaceOf(second));
    Sleep(700);
    EXPECT_EQ(session.Dialogs().size(), 1u);
    EXPECT_TRUE(session.Running.Windows(session.CaptionOf(second)).empty());
    ASSERT_TRUE(Toggle(editor, TopRight));
    ASSERT_TRUE(CloseAsAltF4(editor));

    const HWND other = session.Open(second);
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(Ticked(other, TopRight)) << "the later click moved the editor to its day";
    ASSERT_TRUE(CloseAsAltF4(other));
    const HWND again = session.Open(first);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(Ticked(again, TopRight));
    ASSERT_TRUE(CloseAsAltF4(again));
}

TEST(DayEditorBoxes, TextAndSaintOfALineExcludeEachOtherAndCornersCombine) {
    Session session;
    ASSERT_TRUE(session.Ready());
    const int day = session.SomeDay(15);
    const HWND editor = session.Open(day);
    ASSERT_NE(editor, nullptr);

    ASSERT_TRUE(Toggle(editor, Saint3));
    ASSERT_TRUE(Toggle(editor, Text3));
    EXPECT_TRUE(WaitUntil([&] { return !Ticked(editor, Saint3); }));
    ASSERT_TRUE(Toggle(editor, Text1));  // line 1 showed the saint: now its own text
    EXPECT_TRUE(WaitUntil([&] { return !Ticked(editor, Saint1); }));
    ASSERT_TRUE(Toggle(editor, Text2));
    ASSERT_TRUE(Toggle(editor, Text2));  // ticked and unticked again: both of line 2 off
    ASSERT_TRUE(Toggle(editor, TopLeft));
    ASSERT_TRUE(Toggle(editor, BottomRight));
    ASSERT_TRUE(Toggle(editor, BottomLeft));
    ASSERT_TRUE(Toggle(editor, IconBox5));
    ASSERT_TRUE(CloseAsAltF4(editor));

    const HWND again = session.Open(day);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(TickedBoxes(again), (std::vector<int>{TopLeft, BottomRight, Text1, Text3, IconBox5}));
    ASSERT_TRUE(CloseAsAltF4(again));
}

TEST(DayEditorTexts, SalirKeepsTheTextsAfterASecondAndTheCloseCommandDropsThem) {
    Session session;
    ASSERT_TRUE(session.Ready());
    const int day = session.SomeDay(3);
    HWND editor = session.Open(day);
    ASSERT_NE(editor, nullptr);
    SetText(GetDlgItem(editor, Edit1), L"Cumplea\u00F1os");
    SetText(GetDlgItem(editor, Edit2), L"1234567890123456789012345");
    const auto pressed = std::chrono::steady_clock::now();
    Press(editor, ExitButton);
    ASSERT_TRUE(Closed(editor));
    const auto waited = std::chrono::steady_clock::now() - pressed;
    EXPECT_GE(waited, 900ms);
    EXPECT_LT(waited, 4s);

    editor = session.Open(day);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(editor, Edit1)), L"Cumplea\u00F1os");
    EXPECT_EQ(TextOf(GetDlgItem(editor, Edit2)), L"12345678901234567890");
    SetText(GetDlgItem(editor, Edit1), L"otra cosa");
    SetText(GetDlgItem(editor, Edit3), L"nuevo");
    // Enter and Escape (OK and Cancel) leave the editor open.
    PostMessageW(editor, WM_COMMAND, IDOK, 0);
    PostMessageW(editor, WM_COMMAND, IDCANCEL, 0);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(editor));
    ASSERT_TRUE(CloseAsAltF4(editor));

    editor = session.Open(day);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(editor, Edit1)), L"Cumplea\u00F1os");
    EXPECT_EQ(TextOf(GetDlgItem(editor, Edit3)), L"");
    PostMessageW(editor, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Closed(editor));
}

TEST(DayEditorColor, AConfirmedColorIsStoredAndShownACancelledOneChangesNothing) {
    Session session;
    ASSERT_TRUE(session.Ready());
    const int day = session.SomeDay(10);
    HWND editor = session.Open(day);
    ASSERT_NE(editor, nullptr);
    const HWND swatch = GetDlgItem(editor, Swatch2);
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(swatch, 15, 15) == RGB(0, 0, 0); }))
        << "a colour of 0 shows black";

    Press(editor, Color2);
    HWND chooser = WaitForColorDialog(session);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(OuterRect(chooser).left, OuterRect(editor).left + 30);
    EXPECT_EQ(OuterRect(chooser).top, OuterRect(editor).top + 30);
    // It starts from mid grey whatever the line's colour is.
    EXPECT_EQ(TextOf(GetDlgItem(chooser, RedBox)), L"128");
    EXPECT_EQ(TextOf(GetDlgItem(chooser, GreenBox)), L"128");
    EXPECT_EQ(TextOf(GetDlgItem(chooser, BlueBox)), L"128");
    SetText(GetDlgItem(chooser, RedBox), L"32");
    SetText(GetDlgItem(chooser, GreenBox), L"144");
    SetText(GetDlgItem(chooser, BlueBox), L"64");
    Press(chooser, IDOK);
    ASSERT_TRUE(Closed(chooser));
    const COLORREF green = RGB(32, 144, 64);
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(swatch, 15, 15) == green; }));

    // A cancelled choice leaves the swatch and the line as they are.
    Press(editor, Color2);
    chooser = WaitForColorDialog(session);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(chooser, RedBox)), L"128");
    SetText(GetDlgItem(chooser, RedBox), L"255");
    Press(chooser, IDCANCEL);
    ASSERT_TRUE(Closed(chooser));
    Sleep(200);
    EXPECT_EQ(ScreenPixel(swatch, 15, 15), green);

    ASSERT_TRUE(Toggle(editor, Text2));
    SetText(GetDlgItem(editor, Edit2), L"Verde");
    Press(editor, ExitButton);
    ASSERT_TRUE(Closed(editor));

    editor = session.Open(day);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(
        WaitUntil([&] { return ScreenPixel(GetDlgItem(editor, Swatch2), 15, 15) == green; }));
    ASSERT_TRUE(CloseAsAltF4(editor));

    const Place place = session.PlaceOf(day);
    const auto exported = ExportedSheet(session);
    ASSERT_FALSE(exported.empty());
    const auto expected = ExpectedSheet(session, [&](MonthSheet& sheet) {
        DayLine& line = sheet.Cell(place.Column, place.Row).Lines[1];
        line.ShowsText = Flag::On;
        line.LineText = "Verde";
        line.LineColor = green;
    });
    EXPECT_TRUE(exported == expected) << "the exported sheet differs from the dressed day";
    int greenPixels = 0;
    const CellPoint origin = CellOrigin(place.Column, place.Row);
    for (int y = origin.Y; y < origin.Y + 102; ++y)
        for (int x = origin.X; x < origin.X + 159; ++x)
            if (SheetPixel(exported, x, y) == green) ++greenPixels;
    EXPECT_GT(greenPixels, 20);
}

TEST(DayEditorIcons, AChosenIconIsPreviewedKeptOnCancelAndDrawnOnceTicked) {
    ScratchFolder photos(L"fotos");
    const std::wstring moon = photos / L"luna.ico";
    ASSERT_TRUE(CopyFileW((SampleIconFolder() + L"\\moon.ico").c_str(), moon.c_str(), FALSE));
    Session session;
    ASSERT_TRUE(session.Ready());
    const int day = session.SomeDay(17);
    HWND editor = session.Open(day);
    ASSERT_NE(editor, nullptr);
    const HWND preview = GetDlgItem(editor, Preview5);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(preview, 16, 20) == face; }));

    // The first chooser opens in the current directory, the program's folder: a bare name
    // there is found.
    Press(editor, IconButton5);
    HWND chooser = WaitForFileDialog(session.Running);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(GetWindow(chooser, GW_OWNER), editor);
    ChooseInFileDialog(chooser, L"apple.ico");
    ASSERT_TRUE(Closed(chooser));
    // The apple at 32 x 32 from (1, 1) of the preview: a pixel of its red body.
    const COLORREF appleRed = RGB(0xD8, 0x1E, 0x28);
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(preview, 16, 20) == appleRed; }));
    EXPECT_EQ(ScreenPixel(preview, 0, 0), face) << "the icon starts at (1, 1)";
    EXPECT_FALSE(Ticked(editor, IconBox5)) << "choosing an icon does not tick its box";

    // A cancelled choice keeps the icon.
    Press(editor, IconButton5);
    chooser = WaitForFileDialog(session.Running);
    ASSERT_NE(chooser, nullptr);
    Press(chooser, IDCANCEL);
    ASSERT_TRUE(Closed(chooser));
    // The system places the chooser, perhaps over the preview, which is then painted again.
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(preview, 16, 20) == appleRed; }, 3s));

    // An icon from another folder is drawn over the previous one without clearing it.
    Press(editor, IconButton5);
    chooser = WaitForFileDialog(session.Running);
    ASSERT_NE(chooser, nullptr);
    ChooseInFileDialog(chooser, moon);
    ASSERT_TRUE(Closed(chooser));
    const COLORREF moonYellow = RGB(0xF2, 0xD4, 0x5C);
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(preview, 6, 17) == moonYellow; }));
    EXPECT_EQ(ScreenPixel(preview, 21, 16), appleRed) << "the apple shows through the moon";

    // The next chooser, for another position, opens in the moon's folder.
    Press(editor, IconButtonIds[0]);
    chooser = WaitForFileDialog(session.Running);
    ASSERT_NE(chooser, nullptr);
    ChooseInFileDialog(chooser, L"luna.ico");
    ASSERT_TRUE(Closed(chooser)) << "luna.ico was not found where the chooser opened";
    EXPECT_TRUE(WaitUntil(
        [&] { return ScreenPixel(GetDlgItem(editor, PreviewIds[0]), 6, 17) == moonYellow; }));

    ASSERT_TRUE(Toggle(editor, IconBox5));
    ASSERT_TRUE(CloseAsAltF4(editor));

    // Opened again, the previews show the stored icons on a clean picture.
    editor = session.Open(day);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(
        WaitUntil([&] { return ScreenPixel(GetDlgItem(editor, Preview5), 6, 17) == moonYellow; }));
    EXPECT_EQ(ScreenPixel(GetDlgItem(editor, Preview5), 21, 16), face);
    ASSERT_TRUE(CloseAsAltF4(editor));

    const Place place = session.PlaceOf(day);
    const auto exported = ExportedSheet(session);
    ASSERT_FALSE(exported.empty());
    const auto expected = ExpectedSheet(session, [&](MonthSheet& sheet) {
        sheet.Cell(place.Column, place.Row).Icons[4] = {Flag::On, WideToCp1252(moon)};
    });
    EXPECT_TRUE(exported == expected) << "the sheet does not show the moon in the middle";
}

// The work file holds icon paths in Windows-1252, which cannot spell "\u03a9": such an icon is
// refused with a message instead of being stored under a path with "?" that names no file.
TEST(DayEditorIcons, AnIconWhosePathTheWorkFileCannotHoldIsRefusedWithAMessage) {
    ScratchFolder photos(L"fotos");
    const std::wstring folder = photos / L"\u03a9mega";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring moon = folder + L"\\luna.ico";
    ASSERT_TRUE(CopyFileW((SampleIconFolder() + L"\\moon.ico").c_str(), moon.c_str(), FALSE));
    Session session;
    ASSERT_TRUE(session.Ready());
    const HWND editor = session.Open(session.SomeDay(9));
    ASSERT_NE(editor, nullptr);

    Press(editor, IconButton5);
    const HWND chooser = WaitForFileDialog(session.Running);
    ASSERT_NE(chooser, nullptr);
    ChooseInFileDialog(chooser, moon);
    const HWND box = session.Running.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box).rfind(L"No se puede usar este icono ...", 0), 0u)
        << testing::PrintToString(MessageBoxText(box));
    Press(box, IDOK);
    ASSERT_TRUE(Closed(box));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(ScreenPixel(GetDlgItem(editor, Preview5), 6, 17), face) << "an icon was taken";
    ASSERT_TRUE(CloseAsAltF4(editor));
}

TEST(DayEditorReset, NoKeepsTheDayYesClearsItAndClosesAtOnce) {
    Session session;
    ASSERT_TRUE(session.Ready());
    const int day = session.SomeDay(22);
    HWND editor = session.Open(day);
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(Toggle(editor, Centre));
    ASSERT_TRUE(Toggle(editor, Text2));
    SetText(GetDlgItem(editor, Edit2), L"Fiesta");
    Press(editor, ExitButton);
    ASSERT_TRUE(Closed(editor));

    editor = session.Open(day);
    ASSERT_NE(editor, nullptr);
    Press(editor, ResetButton);
    HWND question = session.Running.WaitForMessageBox();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MessageBoxText(question),
              L"Seguro que quieres resetear ... ?\r\nPerdera toda la informaci\u00F3n de este "
              L"d\u00EDa ...");
    EXPECT_NE(GetDlgItem(question, IDYES), nullptr);
    EXPECT_NE(GetDlgItem(question, IDNO), nullptr);
    Press(question, IDNO);
    ASSERT_TRUE(Closed(question));
    Sleep(200);
    EXPECT_TRUE(IsWindowVisible(editor));
    EXPECT_EQ(TickedBoxes(editor), (std::vector<int>{BottomLeft, Centre, Saint1, Text2}));

    Press(editor, ResetButton);
    question = session.Running.WaitForMessageBox();
    ASSERT_NE(question, nullptr);
    const auto pressed = std::chrono::steady_clock::now();
    Press(question, IDYES);
    ASSERT_TRUE(Closed(editor));
    EXPECT_LT(std::chrono::steady_clock::now() - pressed, 800ms) << "no pause after Resetear";

    // Not the defaults of a new sheet: no day-number place, no saint.
    editor = session.Open(day);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(TickedBoxes(editor).empty());
    EXPECT_EQ(TextOf(GetDlgItem(editor, Edit2)), L"");
    ASSERT_TRUE(CloseAsAltF4(editor));

    const Place place = session.PlaceOf(day);
    const auto exported = ExportedSheet(session);
    ASSERT_FALSE(exported.empty());
    const auto expected = ExpectedSheet(session, [&](MonthSheet& sheet) {
        Day& cell = sheet.Cell(place.Column, place.Row);
        cell.Numbers.BottomLeft = Flag::Off;
        cell.Lines[0].ShowsSaint = Flag::Off;
    });
    EXPECT_TRUE(exported == expected) << "the cleared day should show nothing but its box";
}

TEST(DayEditorSave, AWorkFileSavedAfterEditingHoldsTheEditsByteForByte) {
    ScratchFolder work(L"guardar");
    const std::wstring star = work / L"estrella.ico";
    ASSERT_TRUE(CopyFileW((SampleIconFolder() + L"\\star.ico").c_str(), star.c_str(), FALSE));
    Session session;
    ASSERT_TRUE(session.Ready());
    const int day = session.SomeDay(26);
    HWND editor = session.Open(day);
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(Toggle(editor, TopRight));
    ASSERT_TRUE(Toggle(editor, Text3));
    ASSERT_TRUE(Toggle(editor, IconBox5));
    Press(editor, IconButton5);
    const HWND chooser = WaitForFileDialog(session.Running);
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(ChooseInFileDialog(chooser, star));
    ASSERT_TRUE(Closed(chooser));
    SetText(GetDlgItem(editor, Edit3), L"A\u00F1o nuevo en la monta\u00F1a!!");  // 25 characters
    Press(editor, ExitButton);
    ASSERT_TRUE(Closed(editor));

    const std::wstring saved = work / L"diciembre.vrel";
    session.Running.Command(1016);  // "Grabar"
    const HWND dialog = WaitForFileDialog(session.Running);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ChooseInFileDialog(dialog, saved));
    ASSERT_TRUE(WaitUntil([&] {
        return ReadWholeFile(saved).value_or(std::vector<std::uint8_t>{}).size() == 49u * 2652u;
    }));
    const auto bytes = ReadWholeFile(saved);
    ASSERT_TRUE(bytes.has_value());

    const Place place = session.PlaceOf(day);
    const std::string starPath = WideToCp1252(star);
    GdiCanvas canvas;
    auto expected = ExpectedDocument(session, canvas, [&](MonthSheet& sheet) {
        Day& cell = sheet.Cell(place.Column, place.Row);
        cell.Numbers.TopRight = Flag::On;
        cell.Lines[2].ShowsText = Flag::On;
        // The chosen path is stored with the blanks of the chooser's field up to 255 characters.
        cell.Icons[4] = {Flag::On, starPath + std::string(255 - starPath.size(), ' ')};
        cell.Lines[2].LineText = "A\xF1o nuevo en la mont";
    });
    const std::wstring written = work / L"esperado.vrel";
    ASSERT_TRUE(WriteWorkFile(written, *expected));
    const auto wanted = ReadWholeFile(written);
    ASSERT_TRUE(wanted.has_value());
    EXPECT_TRUE(*bytes == *wanted) << "the saved work file differs from the edited document";

    // The edited day's record itself, field by field.
    const std::optional<DayRecord> record = RecordOfPlace(*bytes, place.Column, place.Row);
    ASSERT_TRUE(record.has_value());
    const Day cell = DecodeDay(*record);
    EXPECT_EQ(cell.Lines[2].LineText, "A\xF1o nuevo en la mont");
    EXPECT_EQ(cell.Icons[4].Path, starPath + std::string(255 - starPath.size(), ' '));
    EXPECT_EQ((*record)[348 + 4 * 256 + 255], 0);
    for (const Flag flag : {cell.Numbers.TopRight, cell.Lines[2].ShowsText, cell.Icons[4].Shown})
        EXPECT_EQ(flag, Flag::On);
}

}  // namespace
}  // namespace e2e
