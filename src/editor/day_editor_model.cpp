#include "editor/day_editor_model.h"

#include <cstdio>

#include "editor/day_editor_controls.h"
#include "editor/icon_choice.h"
#include "platform/cp1252.h"

std::string DayEditorModel::Caption() const {
    char caption[32];
    std::snprintf(caption, sizeof caption, "%02d/%02d/%d", DayShownAt(Sheet, Place), Sheet.Month,
                  Sheet.Year);
    return caption;
}

Flag* DayEditorModel::FlagOfBox(int checkBoxId) const {
    Day& day = Edited();
    if (const int which = IndexOfId(NumberBoxIds, checkBoxId); which >= 0)
        return &(day.Numbers.*NumberBoxFlags[which]);
    if (const int line = IndexOfId(TextBoxIds, checkBoxId); line >= 0)
        return &day.Lines[line].ShowsText;
    if (const int line = IndexOfId(SaintBoxIds, checkBoxId); line >= 0)
        return &day.Lines[line].ShowsSaint;
    if (const int position = IndexOfId(IconBoxIds, checkBoxId); position >= 0)
        return &day.Icons[position].Shown;
    return nullptr;
}

bool DayEditorModel::BoxTicked(int checkBoxId) const {
    const Flag* flag = FlagOfBox(checkBoxId);
    return flag && *flag != Flag::Off;
}

int DayEditorModel::TickBox(int checkBoxId, bool ticked) {
    Flag* flag = FlagOfBox(checkBoxId);
    if (!flag) return 0;
    *flag = ticked ? Flag::On : Flag::Off;
    if (const int line = IndexOfId(TextBoxIds, checkBoxId); line >= 0) {
        Edited().Lines[line].ShowsSaint = Flag::Off;
        return SaintBoxIds[line];
    }
    if (const int line = IndexOfId(SaintBoxIds, checkBoxId); line >= 0) {
        Edited().Lines[line].ShowsText = Flag::Off;
        return TextBoxIds[line];
    }
    return 0;
}

void DayEditorModel::TakeColorChoice(int line, std::optional<Color> chosen) {
    if (chosen) Edited().Lines[line].LineColor = *chosen;
}

bool DayEditorModel::TakeIconChoice(int position, const DialogMemory& memory) {
    return StoreIconChoice(Edited().Icons[position], memory);
}

namespace {

void TakeTypedTexts(Day& day, const std::array<std::wstring, TextLineCount>& typed) {
    for (int line = 0; line < TextLineCount; ++line)
        day.Lines[line].LineText = WideToCp1252(typed[line]).substr(0, LineTextLimit);
}

}  // namespace

void DayEditorModel::KeepTypedTexts(const std::array<std::wstring, TextLineCount>& typed) {
    TakeTypedTexts(Edited(), typed);
}

bool DayEditorModel::IsMemorized(const MemorizedDays& days) const {
    return days.IsMemorized(Sheet.Month, DayShownAt(Sheet, Place));
}

bool DayEditorModel::ToggleMemorized(MemorizedDays& days,
                                     const std::array<std::wstring, TextLineCount>& typed) const {
    const std::int16_t dayOfMonth = DayShownAt(Sheet, Place);
    if (IsMemorized(days)) return days.Forget(Sheet.Month, dayOfMonth);
    Day shown = Edited();
    TakeTypedTexts(shown, typed);
    return days.Memorize(Sheet.Month, dayOfMonth, shown);
}

void DayEditorModel::ClearDay() {
    Day& day = Edited();
    for (Flag NumberPlaces::*place : NumberBoxFlags) day.Numbers.*place = Flag::Off;
    for (DayLine& line : day.Lines) line = {};
    for (DayIcon& icon : day.Icons) icon = {};
}

std::wstring LineTextForEditing(const Day& day, int line) {
    return Cp1252ToWide(day.Lines[line].LineText);
}
