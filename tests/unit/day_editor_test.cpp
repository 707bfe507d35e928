#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>

#include "editor/day_editor_controls.h"
#include "editor/day_editor_model.h"

namespace {

std::unique_ptr<MonthSheet> NewSheetWithSelection(int column, int row) {
    auto sheet = std::make_unique<MonthSheet>();
    ResetCells(*sheet);
    sheet->SelectedColumn = column;
    sheet->SelectedRow = row;
    DayCell& cell = sheet->Cell(column, row);
    cell.Day = 5;
    cell.Month = 3;
    cell.Year = 2024;
    cell.HasDay = 1;
    return sheet;
}

// The ids of the ticked boxes, as the editor would show them.
std::set<int> TickedBoxes(const DayEditorModel& editor) {
    std::set<int> ticked;
    for (int id : AllCheckBoxIds())
        if (editor.BoxTicked(id)) ticked.insert(id);
    return ticked;
}

TEST(DayEditorCaption, PadsDayAndMonthToTwoDigitsButNotTheYear) {
    auto sheet = NewSheetWithSelection(2, 1);
    DayEditorModel editor(*sheet);
    EXPECT_EQ(editor.Caption(), "05/03/2024");
    editor.Cell().Day = 28;
    editor.Cell().Month = 12;
    editor.Cell().Year = 987;
    EXPECT_EQ(editor.Caption(), "28/12/987");
    editor.Cell().Year = 10000;
    EXPECT_EQ(editor.Caption(), "28/12/10000");
}

TEST(DayEditorBoxes, ANewSheetsCellShowsBottomLeftAndSaintOfLineOne) {
    auto sheet = NewSheetWithSelection(3, 2);
    DayEditorModel editor(*sheet);
    EXPECT_EQ(TickedBoxes(editor), (std::set<int>{4004, 4009}));
}

TEST(DayEditorBoxes, EveryFlagShowsInItsOwnBoxAndOnlyThere) {
    auto sheet = NewSheetWithSelection(0, 1);
    DayEditorModel editor(*sheet);
    std::memset(&editor.Cell().Lines, 0, sizeof editor.Cell().Lines);
    editor.Cell().NumberBottomLeft = 0;
    ASSERT_TRUE(TickedBoxes(editor).empty());

    // Each flag reached by name, so the table does not restate how the editor finds it.
    struct Flag {
        void (*Set)(DayCell&, std::int32_t);
        std::int32_t (*Get)(const DayCell&);
        int Id;
    };
#define FLAG(field, id)                                                             \
    Flag {                                                                          \
        [](DayCell& c, std::int32_t v) { c.field = v; },                            \
            [](const DayCell& c) { return static_cast<std::int32_t>(c.field); }, id \
    }
    const Flag flags[] = {
        FLAG(NumberTopLeft, 4002),        FLAG(NumberTopRight, 4003),
        FLAG(NumberBottomLeft, 4004),     FLAG(NumberBottomRight, 4005),
        FLAG(NumberCentre, 4006),         FLAG(Lines[0].LineIsText, 4008),
        FLAG(Lines[0].LineIsSaint, 4009), FLAG(Lines[1].LineIsText, 4014),
        FLAG(Lines[1].LineIsSaint, 4013), FLAG(Lines[2].LineIsText, 4019),
        FLAG(Lines[2].LineIsSaint, 4018), FLAG(Lines[3].LineIsText, 4024),
        FLAG(Lines[3].LineIsSaint, 4023), FLAG(Lines[4].LineIsText, 4029),
        FLAG(Lines[4].LineIsSaint, 4028), FLAG(IconShown[0], 4034),
        FLAG(IconShown[1], 4040),         FLAG(IconShown[2], 4042),
        FLAG(IconShown[3], 4045),         FLAG(IconShown[4], 4048),
        FLAG(IconShown[5], 4051),         FLAG(IconShown[6], 4054),
        FLAG(IconShown[7], 4057),         FLAG(IconShown[8], 4060),
    };
#undef FLAG
    DayCell& cell = editor.Cell();
    for (const Flag& flag : flags) {
        flag.Set(cell, 1);
        EXPECT_EQ(TickedBoxes(editor), std::set<int>{flag.Id}) << flag.Id;
        flag.Set(cell, 0);
        // And the other way round: ticking the box sets exactly that flag.
        editor.TickBox(flag.Id, true);
        EXPECT_EQ(flag.Get(cell), 1) << flag.Id;
        EXPECT_EQ(TickedBoxes(editor), std::set<int>{flag.Id}) << flag.Id;
        editor.TickBox(flag.Id, false);
        EXPECT_EQ(flag.Get(cell), 0) << flag.Id;
    }
}

TEST(DayEditorBoxes, TextAndSaintOfALineExcludeEachOther) {
    auto sheet = NewSheetWithSelection(1, 1);
    DayEditorModel editor(*sheet);
    LineChoice& line3 = editor.Cell().Lines[2];
    line3.LineIsSaint = 1;

    EXPECT_EQ(editor.TickBox(4019, true), 4018);  // "Texto en línea 3" unticks its "Santoral"
    EXPECT_EQ(+line3.LineIsText, 1);
    EXPECT_EQ(+line3.LineIsSaint, 0);
    EXPECT_EQ(editor.TickBox(4019, false), 4018);  // unticking leaves both off
    EXPECT_EQ(+line3.LineIsText, 0);
    EXPECT_EQ(+line3.LineIsSaint, 0);

    editor.TickBox(4019, true);
    EXPECT_EQ(editor.TickBox(4018, true), 4019);
    EXPECT_EQ(+line3.LineIsSaint, 1);
    EXPECT_EQ(+line3.LineIsText, 0);

    // Line 1 keeps its saint: only the line whose box was used changes.
    EXPECT_EQ(+editor.Cell().Lines[0].LineIsSaint, 1);
}

TEST(DayEditorBoxes, CornersAndIconsAreIndependent) {
    auto sheet = NewSheetWithSelection(1, 1);
    DayEditorModel editor(*sheet);
    EXPECT_EQ(editor.TickBox(4002, true), 0);
    EXPECT_EQ(editor.TickBox(4005, true), 0);
    EXPECT_EQ(TickedBoxes(editor), (std::set<int>{4002, 4004, 4005, 4009}));
    editor.TickBox(4004, false);
    editor.TickBox(4002, false);
    editor.TickBox(4005, false);
    EXPECT_EQ(TickedBoxes(editor), std::set<int>{4009});  // no position at all is allowed
    EXPECT_EQ(editor.TickBox(4048, true), 0);
    EXPECT_EQ(+editor.Cell().IconShown[4], 1);
}

TEST(DayEditorCell, StaysTheOneSelectedWhenTheEditorOpened) {
    auto sheet = NewSheetWithSelection(2, 3);
    DayEditorModel editor(*sheet);
    sheet->SelectedColumn = 5;  // a click on another day while the editor is open
    sheet->SelectedRow = 4;
    editor.TickBox(4003, true);
    editor.TakeColorChoice(1, 0x00112233);
    EXPECT_EQ(+sheet->Cell(2, 3).NumberTopRight, 1);
    EXPECT_EQ(+sheet->Cell(2, 3).LineColor[1], 0x00112233u);
    EXPECT_EQ(+sheet->Cell(5, 4).NumberTopRight, 0);
    EXPECT_EQ(+sheet->Cell(5, 4).LineColor[1], Black);

    // A reset of the document under the open editor: it still edits (2, 3), now a fresh cell.
    ResetCells(*sheet);
    editor.TickBox(4006, true);
    EXPECT_EQ(+sheet->Cell(2, 3).NumberCentre, 1);
}

TEST(DayEditorColor, AConfirmedColorIsStoredACancelledOneChangesNothing) {
    auto sheet = NewSheetWithSelection(0, 2);
    DayEditorModel editor(*sheet);
    editor.Cell().LineColor[4] = Red;
    editor.TakeColorChoice(4, std::nullopt);
    EXPECT_EQ(+editor.Cell().LineColor[4], Red);
    editor.TakeColorChoice(4, White);
    EXPECT_EQ(+editor.Cell().LineColor[4], 0x00FFFFFFu);
    for (int line = 0; line < 4; ++line) EXPECT_EQ(+editor.Cell().LineColor[line], Black);
}

TEST(DayEditorTexts, ExitKeepsTheTypedTextsInWindows1252CutToTwentyBytes) {
    auto sheet = NewSheetWithSelection(0, 2);
    DayEditorModel editor(*sheet);
    AssignSlot(editor.Cell().LineText[3], "texto antiguo");
    editor.KeepTypedTexts({L"Cumplea\u00F1os de Ana", L"1234567890123456789012345", L"",
                           L"\u20AC y \u4E2D", L"exactamente veinte!!"});
    const DayCell& cell = editor.Cell();
    EXPECT_EQ(ReadSlot(cell.LineText[0]), "Cumplea\xF1os de Ana");
    EXPECT_EQ(ReadSlot(cell.LineText[1]), "12345678901234567890");
    EXPECT_EQ(ReadSlot(cell.LineText[2]), "");
    EXPECT_EQ(ReadSlot(cell.LineText[3]), "\x80 y ?");
    EXPECT_EQ(ReadSlot(cell.LineText[4]), "exactamente veinte!!");
    // The slot keeps what lay behind the new terminator, as every text slot does.
    EXPECT_EQ(std::string(cell.LineText[3] + 6, 7), "antiguo");
    EXPECT_EQ(LineTextForEditing(cell, 0), L"Cumplea\u00F1os de Ana");
}

TEST(DayEditorReset, ClearsTheDayWithoutRestoringTheDefaults) {
    auto sheet = NewSheetWithSelection(4, 4);
    DayCell& cell = sheet->Cell(4, 4);
    cell.Left = 640;
    cell.Top = 377;
    cell.Column = 4;
    cell.Row = 4;
    cell.NumberColor = Red;
    cell.NumberTopLeft = cell.NumberCentre = 1;
    for (int line = 0; line < TextLineCount; ++line) {
        cell.Lines[line] = {1, 0};
        AssignSlot(cell.LineText[line], "hola");
        cell.LineColor[line] = 0x00ABCDEF;
    }
    for (int position = 0; position < IconCount; ++position) {
        cell.IconShown[position] = 1;
        AssignSlot(cell.IconPath[position], "C:\\iconos\\apple.ico");
    }
    const DayCell neighbour = sheet->Cell(4, 3);
    const DayCell before = cell;

    DayEditorModel editor(*sheet);
    editor.ClearDay();

    EXPECT_EQ(+cell.NumberTopLeft + cell.NumberTopRight + cell.NumberBottomLeft +
                  cell.NumberBottomRight + cell.NumberCentre,
              0);
    for (int line = 0; line < TextLineCount; ++line) {
        EXPECT_EQ(+cell.Lines[line].LineIsText, 0);
        EXPECT_EQ(+cell.Lines[line].LineIsSaint, 0);
        EXPECT_EQ(ReadSlot(cell.LineText[line]), "");
        EXPECT_EQ(+cell.LineColor[line], Black);
    }
    for (int position = 0; position < IconCount; ++position) {
        EXPECT_EQ(+cell.IconShown[position], 0);
        EXPECT_EQ(ReadSlot(cell.IconPath[position]), "");
    }
    // Everything before the user fields is left exactly as it was.
    EXPECT_EQ(std::memcmp(&cell, &before, offsetof(DayCell, Lines)), 0);
    EXPECT_EQ(std::memcmp(&sheet->Cell(4, 3), &neighbour, sizeof neighbour), 0);
}

TEST(DayEditorCommands, PushButtonsActOnClickOrAcceleratorCheckBoxesOnAnything) {
    using C = EditorCommand;
    EXPECT_EQ(RoleOfCommand(4012, 0), (EditorCommandRole{C::PickColor, 0}));
    EXPECT_EQ(RoleOfCommand(4032, 1), (EditorCommandRole{C::PickColor, 4}));
    EXPECT_EQ(RoleOfCommand(4050, 0), (EditorCommandRole{C::ChooseIcon, 4}));
    EXPECT_EQ(RoleOfCommand(4062, 0), (EditorCommandRole{C::ChooseIcon, 8}));
    EXPECT_EQ(RoleOfCommand(4063, 0).Command, C::Exit);
    EXPECT_EQ(RoleOfCommand(4065, 1).Command, C::Reset);
    // Other notifications of a push button (focus, double click) do nothing.
    EXPECT_EQ(RoleOfCommand(4063, 5).Command, C::None);
    EXPECT_EQ(RoleOfCommand(4012, 6).Command, C::None);
    EXPECT_EQ(RoleOfCommand(4019, 5).Command, C::TickBox);
    // Enter and Escape, the disabled buttons and the text boxes' notifications do nothing.
    for (int id : {1, 2, 4066, 4067, 4010, 4011, 4068})
        EXPECT_EQ(RoleOfCommand(id, 0).Command, C::None) << id;
}

TEST(DayEditorLayout, ListsEveryControlOnceWithItsKindAndPitch) {
    std::set<int> ids;
    int drawingBoxes = 0;
    for (const ControlLayout& control : DayEditorControls) {
        EXPECT_TRUE(ids.insert(control.Id).second) << control.Id;
        if (control.Kind == ControlKind::FramedPicture) ++drawingBoxes;
    }
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
