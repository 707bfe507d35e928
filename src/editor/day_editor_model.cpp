#include "editor/day_editor_model.h"

#include <cstdio>

#include "editor/day_editor_controls.h"
#include "editor/icon_choice.h"
#include "platform/cp1252.h"
#include "platform/text_slot.h"

DayEditorModel::DayEditorModel(MonthSheet& sheet)
    : sheet_(sheet), column_(sheet.SelectedColumn), row_(sheet.SelectedRow) {}

std::string DayEditorModel::Caption() const {
    const DayCell& cell = Cell();
    char caption[32];
    std::snprintf(caption, sizeof caption, "%02d/%02d/%d", cell.Day, cell.Month, cell.Year);
    return caption;
}

std::int32_t* DayEditorModel::FlagOfBox(int checkBoxId) const {
    DayCell& cell = Cell();
    std::int32_t* const numberFlags[] = {&cell.NumberTopLeft, &cell.NumberTopRight,
                                         &cell.NumberBottomLeft, &cell.NumberBottomRight,
                                         &cell.NumberCentre};
    if (const int which = IndexOfId(NumberBoxIds, checkBoxId); which >= 0)
        return numberFlags[which];
    if (const int line = IndexOfId(TextBoxIds, checkBoxId); line >= 0)
        return &cell.Lines[line].LineIsText;
    if (const int line = IndexOfId(SaintBoxIds, checkBoxId); line >= 0)
        return &cell.Lines[line].LineIsSaint;
    if (const int position = IndexOfId(IconBoxIds, checkBoxId); position >= 0)
        return &cell.IconShown[position];
    return nullptr;
}

bool DayEditorModel::BoxTicked(int checkBoxId) const {
    const std::int32_t* flag = FlagOfBox(checkBoxId);
    return flag && *flag != 0;
}

int DayEditorModel::TickBox(int checkBoxId, bool ticked) {
    std::int32_t* flag = FlagOfBox(checkBoxId);
    if (!flag) return 0;
    *flag = ticked ? 1 : 0;
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

bool DayEditorModel::TakeColourChoice(int line, std::optional<Colour> chosen) {
    if (!chosen) return false;
    Cell().LineColor[line] = *chosen;
    return true;
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
