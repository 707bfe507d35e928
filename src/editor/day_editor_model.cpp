#include "editor/day_editor_model.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

#include "calendar/text_slot.h"
#include "editor/day_editor_controls.h"
#include "editor/icon_choice.h"
#include "platform/cp1252.h"

DayEditorModel::DayEditorModel(MonthSheet& sheet)
    : Sheet(sheet), CellColumn(sheet.SelectedColumn), CellRow(sheet.SelectedRow) {}

std::string DayEditorModel::Caption() const {
    const DayCell& cell = Cell();
    char caption[32];
    std::snprintf(caption, sizeof caption, "%02d/%02d/%d", cell.Day, cell.Month, cell.Year);
    return caption;
}

// The flags sit in a packed record, at addresses an int may not be read from directly: each is
// reached by its byte offset and copied.
std::ptrdiff_t DayEditorModel::FlagOffset(int checkBoxId) {
    constexpr std::ptrdiff_t FlagSize = sizeof(std::int32_t);
    if (const int which = IndexOfId(NumberBoxIds, checkBoxId); which >= 0)
        return offsetof(DayCell, NumberTopLeft) + FlagSize * which;
    if (const int line = IndexOfId(TextBoxIds, checkBoxId); line >= 0)
        return offsetof(DayCell, Lines) + sizeof(LineChoice) * line +
               offsetof(LineChoice, LineIsText);
    if (const int line = IndexOfId(SaintBoxIds, checkBoxId); line >= 0)
        return offsetof(DayCell, Lines) + sizeof(LineChoice) * line +
               offsetof(LineChoice, LineIsSaint);
    if (const int position = IndexOfId(IconBoxIds, checkBoxId); position >= 0)
        return offsetof(DayCell, IconShown) + FlagSize * position;
    return -1;
}

bool DayEditorModel::BoxTicked(int checkBoxId) const {
    const std::ptrdiff_t offset = FlagOffset(checkBoxId);
    if (offset < 0) return false;
    std::int32_t flag = 0;
    std::memcpy(&flag, reinterpret_cast<const unsigned char*>(&Cell()) + offset, sizeof flag);
    return flag != 0;
}

int DayEditorModel::TickBox(int checkBoxId, bool ticked) {
    const std::ptrdiff_t offset = FlagOffset(checkBoxId);
    if (offset < 0) return 0;
    const std::int32_t flag = ticked ? 1 : 0;
    std::memcpy(reinterpret_cast<unsigned char*>(&Cell()) + offset, &flag, sizeof flag);
    LineChoice* lines = Cell().Lines;
    if (const int line = IndexOfId(TextBoxIds, checkBoxId); line >= 0) {
        lines[line].LineIsSaint = 0;
        return SaintBoxIds[line];
    }
    if (const int line = IndexOfId(SaintBoxIds, checkBoxId); line >= 0) {
        lines[line].LineIsText = 0;
        return TextBoxIds[line];
    }
    return 0;
}

void DayEditorModel::TakeColorChoice(int line, std::optional<Color> chosen) {
    if (chosen) Cell().LineColor[line] = *chosen;
}

bool DayEditorModel::TakeIconChoice(int position, const PathField& choiceSlot) {
    return StoreIconChoice(Cell(), position, choiceSlot);
}

void DayEditorModel::KeepTypedTexts(const std::array<std::wstring, TextLineCount>& typed) {
    DayCell& cell = Cell();
    for (int line = 0; line < TextLineCount; ++line)
        AssignSlot(cell.LineText[line], WideToCp1252(typed[line]));
}

void DayEditorModel::ClearDay() {
    DayCell& cell = Cell();
    cell.NumberTopLeft = cell.NumberTopRight = cell.NumberBottomLeft = 0;
    cell.NumberBottomRight = cell.NumberCentre = 0;
    for (int line = 0; line < TextLineCount; ++line) {
        cell.Lines[line] = {0, 0};
        AssignSlot(cell.LineText[line], "");
        cell.LineColor[line] = Black;
    }
    for (int position = 0; position < IconCount; ++position) {
        cell.IconShown[position] = 0;
        AssignSlot(cell.IconPath[position], "");
    }
}

std::wstring LineTextForEditing(const DayCell& cell, int line) {
    return Cp1252ToWide(ReadSlot(cell.LineText[line]));
}
