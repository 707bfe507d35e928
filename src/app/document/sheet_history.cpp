#include "app/document/sheet_history.h"

#include <cstdio>

SheetHistory::SheetHistory(OpenSheet& document) : Document(document), Known(document.Sheet()) {
    Document.FollowChanges([this](SheetChange change) { Follow(change); });
}

void SheetHistory::Follow(SheetChange change) {
    const MonthSheet& now = Document.Sheet();
    if (change == SheetChange::Replaced) {
        Steps.clear();
        Done = 0;
    } else if (change == SheetChange::Edited && !Applying) {
        Step step;
        for (int column = 0; column < GridSize; ++column)
            for (int row = 0; row < GridSize; ++row)
                if (Known.Cell(column, row) != now.Cell(column, row))
                    step.push_back({{column, row}, Known.Cell(column, row), now.Cell(column, row)});
        if (!step.empty()) {
            Steps.resize(Done);  // a new change drops what could have been redone
            Steps.push_back(std::move(step));
            if (Steps.size() > StepLimit) Steps.erase(Steps.begin());
            Done = Steps.size();
        }
    }
    Known = now;
}

void SheetHistory::Apply(const Step& step, bool forward) {
    Applying = true;
    Document.Edit([&](MonthSheet& sheet) {
        for (const DayChange& change : step)
            sheet.Cell(change.Place.Column, change.Place.Row) =
                forward ? change.After : change.Before;
    });
    Applying = false;
}

void SheetHistory::Undo() {
    if (!CanUndo()) return;
    --Done;
    Apply(Steps[Done], false);
}

void SheetHistory::Redo() {
    if (!CanRedo()) return;
    Apply(Steps[Done], true);
    ++Done;
}

std::wstring SheetHistory::ItemText(const wchar_t* verb, const Step* step) const {
    if (!step || step->size() != 1) return verb;
    const int day = DayShownAt(Known, step->front().Place);
    if (day == 0) return verb;
    wchar_t date[16];
    std::swprintf(date, 16, L"%02d/%02d", day, Known.Month);
    return std::wstring(verb) + L" cambios del " + date;
}

std::wstring SheetHistory::UndoText() const {
    return ItemText(L"Deshacer", CanUndo() ? &Steps[Done - 1] : nullptr);
}

std::wstring SheetHistory::RedoText() const {
    return ItemText(L"Rehacer", CanRedo() ? &Steps[Done] : nullptr);
}
