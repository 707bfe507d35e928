#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "editor/day_editor_controls.h"
#include "editor/day_editor_layout.h"
#include "editor/day_editor_model.h"

namespace {

// A new sheet of March 2024, which begins on a Friday: (4, 1) shows the 1st, (0, 2) the 4th.
std::unique_ptr<MonthSheet> NewSheet() {
    auto sheet = std::make_unique<MonthSheet>();
    sheet->Year = 2024;
    sheet->Month = 3;
    return sheet;
}

// The ids of the ticked boxes, as the editor would show them.
std::set<int> TickedBoxes(const DayEditorModel& editor) {
    std::set<int> ticked;
    for (int id : AllCheckBoxIds)
        if (editor.BoxTicked(id)) ticked.insert(id);
    return ticked;
}

// The ids of the boxes of the number places, in the order top left, top right, bottom left,
// bottom right, centre.
constexpr int TopLeftBox = NumberBoxIds[0], TopRightBox = NumberBoxIds[1];
constexpr int BottomLeftBox = NumberBoxIds[2], BottomRightBox = NumberBoxIds[3];
constexpr int CentreBox = NumberBoxIds[4];

TEST(DayEditorCaption, IsTheDateOfTheDayDayAndMonthPaddedToTwoDigitsButNotTheYear) {
    auto sheet = NewSheet();
    EXPECT_EQ(DayEditorModel(*sheet, {1, 2}).Caption(), "05/03/2024");
    sheet->Year = 987;
    sheet->Month = 12;
    EXPECT_EQ(DayEditorModel(*sheet, {4, 5}).Caption(), "28/12/987");
    sheet->Year = 10000;
    EXPECT_EQ(DayEditorModel(*sheet, {3, 5}).Caption(), "28/12/10000");
}

TEST(DayEditorBoxes, ANewSheetsDayShowsBottomLeftAndSaintOfLineOne) {
    auto sheet = NewSheet();
    DayEditorModel editor(*sheet, {3, 2});
    EXPECT_EQ(TickedBoxes(editor), (std::set<int>{BottomLeftBox, SaintBoxIds[0]}));
}

TEST(DayEditorBoxes, EveryFlagShowsInItsOwnBoxAndOnlyThere) {
    auto sheet = NewSheet();
    DayEditorModel editor(*sheet, {0, 2});
    Day& day = editor.Edited();
    day.Lines[0].ShowsSaint = Flag::Off;
    day.Numbers.BottomLeft = Flag::Off;
    ASSERT_TRUE(TickedBoxes(editor).empty());

    // Each flag reached by name, so the table does not restate how the editor finds it.
    struct Box {
        Flag* Shown;
        int Id;
    };
    std::vector<Box> boxes = {
        {&day.Numbers.TopLeft, TopLeftBox},       {&day.Numbers.TopRight, TopRightBox},
        {&day.Numbers.BottomLeft, BottomLeftBox}, {&day.Numbers.BottomRight, BottomRightBox},
        {&day.Numbers.Centre, CentreBox},
    };
    for (int line = 0; line < TextLineCount; ++line) {
        boxes.push_back({&day.Lines[line].ShowsText, TextBoxIds[line]});
        boxes.push_back({&day.Lines[line].ShowsSaint, SaintBoxIds[line]});
    }
    for (int position = 0; position < IconCount; ++position)
        boxes.push_back({&day.Icons[position].Shown, IconBoxIds[position]});
    ASSERT_EQ(boxes.size(), AllCheckBoxIds.size());

    for (const Box& box : boxes) {
        // Any number but 0 that a file may hold shows the box ticked.
        for (Flag shown : {Flag::On, Flag::OtherNumber}) {
            *box.Shown = shown;
            EXPECT_EQ(TickedBoxes(editor), std::set<int>{box.Id}) << box.Id;
        }
        *box.Shown = Flag::Off;
        // And the other way round: ticking the box sets exactly that flag.
        editor.TickBox(box.Id, true);
        EXPECT_EQ(*box.Shown, Flag::On) << box.Id;
        EXPECT_EQ(TickedBoxes(editor), std::set<int>{box.Id}) << box.Id;
        editor.TickBox(box.Id, false);
        EXPECT_EQ(*box.Shown, Flag::Off) << box.Id;
    }
}

TEST(DayEditorBoxes, TextAndSaintOfALineExcludeEachOther) {
    auto sheet = NewSheet();
    DayEditorModel editor(*sheet, {1, 2});
    DayLine& line3 = editor.Edited().Lines[2];
    line3.ShowsSaint = Flag::On;

    // "Texto en línea 3" unticks its "Santoral".
    EXPECT_EQ(editor.TickBox(TextBoxIds[2], true), SaintBoxIds[2]);
    EXPECT_EQ(line3.ShowsText, Flag::On);
    EXPECT_EQ(line3.ShowsSaint, Flag::Off);
    EXPECT_EQ(editor.TickBox(TextBoxIds[2], false), SaintBoxIds[2]);  // unticking: both off
    EXPECT_EQ(line3.ShowsText, Flag::Off);
    EXPECT_EQ(line3.ShowsSaint, Flag::Off);

    editor.TickBox(TextBoxIds[2], true);
    EXPECT_EQ(editor.TickBox(SaintBoxIds[2], true), TextBoxIds[2]);
    EXPECT_EQ(line3.ShowsSaint, Flag::On);
    EXPECT_EQ(line3.ShowsText, Flag::Off);

    // Line 1 keeps its saint: only the line whose box was used changes.
    EXPECT_EQ(editor.Edited().Lines[0].ShowsSaint, Flag::On);
}

TEST(DayEditorBoxes, CornersAndIconsAreIndependent) {
    auto sheet = NewSheet();
    DayEditorModel editor(*sheet, {1, 2});
    EXPECT_EQ(editor.TickBox(TopLeftBox, true), 0);
    EXPECT_EQ(editor.TickBox(BottomRightBox, true), 0);
    EXPECT_EQ(TickedBoxes(editor),
              (std::set<int>{TopLeftBox, BottomLeftBox, BottomRightBox, SaintBoxIds[0]}));
    editor.TickBox(BottomLeftBox, false);
    editor.TickBox(TopLeftBox, false);
    editor.TickBox(BottomRightBox, false);
    EXPECT_EQ(TickedBoxes(editor), std::set<int>{SaintBoxIds[0]});  // no place at all is allowed
    EXPECT_EQ(editor.TickBox(IconBoxIds[4], true), 0);
    EXPECT_EQ(editor.Edited().Icons[4].Shown, Flag::On);
}

TEST(DayEditorDay, StaysTheOneItOpenedOn) {
    auto sheet = NewSheet();
    DayEditorModel editor(*sheet, {2, 3});
    editor.TickBox(TopRightBox, true);
    editor.TakeColorChoice(1, 0x00112233);
    EXPECT_EQ(sheet->Cell(2, 3).Numbers.TopRight, Flag::On);
    EXPECT_EQ(sheet->Cell(2, 3).Lines[1].LineColor, 0x00112233u);
    EXPECT_EQ(sheet->Cell(5, 4).Numbers.TopRight, Flag::Off);
    EXPECT_EQ(sheet->Cell(5, 4).Lines[1].LineColor, Black);

    // A reset of the document under the open editor: it still edits (2, 3), now a new day.
    ResetCells(*sheet);
    editor.TickBox(CentreBox, true);
    EXPECT_EQ(sheet->Cell(2, 3).Numbers.Centre, Flag::On);
}

TEST(DayEditorColor, AConfirmedColorIsStoredACancelledOneChangesNothing) {
    auto sheet = NewSheet();
    DayEditorModel editor(*sheet, {0, 2});
    editor.Edited().Lines[4].LineColor = Red;
    editor.TakeColorChoice(4, std::nullopt);
    EXPECT_EQ(editor.Edited().Lines[4].LineColor, Red);
    editor.TakeColorChoice(4, White);
    EXPECT_EQ(editor.Edited().Lines[4].LineColor, 0x00FFFFFFu);
    for (int line = 0; line < 4; ++line) EXPECT_EQ(editor.Edited().Lines[line].LineColor, Black);
}

TEST(DayEditorTexts, ExitKeepsTheTypedTextsInWindows1252CutToTwentyBytes) {
    auto sheet = NewSheet();
    DayEditorModel editor(*sheet, {0, 2});
    editor.Edited().Lines[3].LineText = "texto antiguo";
    editor.KeepTypedTexts({L"Cumplea\u00F1os de Ana", L"1234567890123456789012345", L"",
                           L"\u20AC y \u4E2D", L"exactamente veinte!!"});
    const Day& day = editor.Edited();
    EXPECT_EQ(day.Lines[0].LineText, "Cumplea\xF1os de Ana");
    EXPECT_EQ(day.Lines[1].LineText, "12345678901234567890");
    EXPECT_EQ(day.Lines[2].LineText, "");
    EXPECT_EQ(day.Lines[3].LineText, "\x80 y ?");
    EXPECT_EQ(day.Lines[4].LineText, "exactamente veinte!!");
    EXPECT_EQ(LineTextForEditing(day, 0), L"Cumplea\u00F1os de Ana");
}

TEST(DayEditorReset, ClearsTheDayWithoutRestoringTheDefaults) {
    auto sheet = NewSheet();
    Day& day = sheet->Cell(4, 4);
    day.FontName = "Georgia";
    day.NumberColor = Red;
    day.Numbers.TopLeft = day.Numbers.Centre = Flag::On;
    for (DayLine& line : day.Lines) line = {Flag::On, Flag::OtherNumber, "hola", 0x00ABCDEF};
    for (DayIcon& icon : day.Icons) icon = {Flag::On, "C:\\iconos\\apple.ico"};
    day.KeptBytes.assign(2652, 7);
    const Day neighbour = sheet->Cell(4, 3);

    DayEditorModel editor(*sheet, {4, 4});
    editor.ClearDay();

    Day cleared;
    cleared.FontName = "Georgia";  // the font, the number colour and what a file kept stay
    cleared.NumberColor = Red;
    cleared.KeptBytes.assign(2652, 7);
    cleared.Lines[0] = {};
    cleared.Numbers = {Flag::Off, Flag::Off, Flag::Off, Flag::Off, Flag::Off};
    EXPECT_TRUE(day == cleared);
    EXPECT_TRUE(sheet->Cell(4, 3) == neighbour);
}

TEST(DayEditorCommands, PushButtonsActOnClickOrAcceleratorCheckBoxesOnAnything) {
    using C = EditorCommand;
    EXPECT_EQ(RoleOfCommand(ColorButtonIds[0], 0), (EditorCommandRole{C::PickColor, 0}));
    EXPECT_EQ(RoleOfCommand(ColorButtonIds[4], 1), (EditorCommandRole{C::PickColor, 4}));
    EXPECT_EQ(RoleOfCommand(IconButtonIds[4], 0), (EditorCommandRole{C::ChooseIcon, 4}));
    EXPECT_EQ(RoleOfCommand(IconButtonIds[8], 0), (EditorCommandRole{C::ChooseIcon, 8}));
    EXPECT_EQ(RoleOfCommand(ExitButtonId, 0).Command, C::Exit);
    EXPECT_EQ(RoleOfCommand(ResetButtonId, 1).Command, C::Reset);
    EXPECT_EQ(RoleOfCommand(MemorizeButtonId, 0).Command, C::Memorize);
    // Other notifications of a push button (focus, double click) do nothing.
    EXPECT_EQ(RoleOfCommand(ExitButtonId, 5).Command, C::None);
    EXPECT_EQ(RoleOfCommand(ColorButtonIds[0], 6).Command, C::None);
    EXPECT_EQ(RoleOfCommand(TextBoxIds[2], 5).Command, C::TickBox);
    // Enter and Escape, the disabled button and the text boxes' notifications do nothing.
    for (int id : {1, 2, LockButtonId, LineEditIds[0], SwatchIds[0], NoticeId})
        EXPECT_EQ(RoleOfCommand(id, 0).Command, C::None) << id;
}

TEST(DayEditorLayout, ListsEveryControlOnceWithItsKindAndPitch) {
    std::set<int> ids;
    int drawingBoxes = 0;
    for (const ControlLayout& control : DayEditorControls) {
        EXPECT_TRUE(ids.insert(control.Id).second) << control.Id;
        if (control.Kind == ControlKind::FramedPicture) ++drawingBoxes;
    }
    EXPECT_EQ(ids.size(), 66u);
    EXPECT_EQ(drawingBoxes, 14);  // so 52 controls take the dialog's font
    EXPECT_FALSE(ids.count(4035) || ids.count(4038));

    auto find = [](int id) {
        for (const ControlLayout& control : DayEditorControls)
            if (control.Id == id) return control;
        return ControlLayout{};
    };
    for (int line = 1; line < TextLineCount; ++line) {
        const int pitch = 88 * line;
        EXPECT_EQ(find(TextBoxIds[line]).Box.Top, find(TextBoxIds[0]).Box.Top + pitch) << line;
        EXPECT_EQ(find(SaintBoxIds[line]).Box.Top, find(SaintBoxIds[0]).Box.Top + pitch) << line;
        EXPECT_EQ(find(LineEditIds[line]).Box.Top, find(LineEditIds[0]).Box.Top + pitch) << line;
        EXPECT_EQ(find(SwatchIds[line]).Box.Top, find(SwatchIds[0]).Box.Top + pitch) << line;
        EXPECT_EQ(find(ColorButtonIds[line]).Box.Top, find(ColorButtonIds[0]).Box.Top + pitch)
            << line;
        EXPECT_EQ(find(SwatchIds[line]).Kind, ControlKind::FramedPicture);
        EXPECT_EQ(find(ColorButtonIds[line]).Kind, ControlKind::PushButton);
        EXPECT_EQ(find(LineEditIds[line]).Kind, ControlKind::TextBox);
    }
    for (int position = 0; position < IconCount; ++position) {
        const int y = 24 + 40 * position;
        EXPECT_EQ(find(PreviewIds[position]).Box.Top, y) << position;
        EXPECT_EQ(find(IconButtonIds[position]).Box.Top, y) << position;
        EXPECT_EQ(find(IconBoxIds[position]).Box.Top, y + 8) << position;
        EXPECT_EQ(find(PreviewIds[position]).Kind, ControlKind::FramedPicture);
        EXPECT_EQ(find(IconButtonIds[position]).Kind, ControlKind::PushButton);
        EXPECT_EQ(find(IconBoxIds[position]).Kind, ControlKind::CheckBox);
    }
}

}  // namespace
