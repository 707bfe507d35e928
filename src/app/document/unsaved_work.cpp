#include "app/document/unsaved_work.h"

#include "calendar/calendar_names.h"
#include "persistence/work_file_messages.h"
#include "platform/cp1252.h"

bool HasUnsavedChanges(const ProgramState& state) {
    return !state.SheetAsKept || *state.SheetAsKept != state.Sheet;
}

void KeepAsUnchanged(ProgramState& state, const std::wstring& workFile) {
    state.SheetAsKept = state.Sheet;
    state.SheetFile = workFile;
}

void StartUnsaved(ProgramState& state) {
    state.SheetAsKept.reset();
    state.SheetFile.clear();
}

std::wstring UnsavedChangesQuestion(const MonthSheet& sheet) {
    return L"La hoja " + Cp1252ToWide(SheetTitle(sheet.Year, sheet.Month)) +
           L" tiene cambios sin grabar. \u00bfDesea grabarlos?";
}

bool MayDropSheet(ProgramState& state, WorkFileDialogs& dialogs) {
    if (!HasUnsavedChanges(state)) return true;
    if (state.Asking) return false;
    const RaisedFlag asking(state.Asking);
    switch (dialogs.AskYesNoCancel(UnsavedChangesQuestion(state.Sheet))) {
        case Answer::Cancel:
            return false;
        case Answer::No:
            return true;
        case Answer::Yes:
            break;
    }
    if (state.SheetFile.empty()) return SaveWorkFileFlow(state, dialogs);
    const std::wstring file = state.SheetFile;
    if (!WriteWorkFile(file, state.Sheet)) {
        dialogs.ShowMessage(WorkFileUnwritableMessage);
        return false;
    }
    KeepAsUnchanged(state, file);
    return true;
}
