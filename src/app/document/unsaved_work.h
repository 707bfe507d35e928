#pragma once
// Unsaved work: the sheet on show has changes that no work file holds while it differs from the
// sheet as it was last started, read or saved. Comparing the two, rather than raising a flag at
// every edit, no way of editing can forget to tell, a redraw or an editor closed without a
// change is no change, and an edit undone by hand leaves nothing to save.

#include <string>

#include "app/document/program_state.h"
#include "app/document/work_file_flows.h"

bool HasUnsavedChanges(const ProgramState& state);

// The sheet on show is the one the work file holds (empty: none): start-up, "Leer", "Grabar".
void KeepAsUnchanged(ProgramState& state, const std::wstring& workFile);
// "Nuevo": the new sheet is in no file and counts as changed until it is saved.
void StartUnsaved(ProgramState& state);

// "La hoja Marzo 2026 tiene cambios sin grabar. ¿Desea grabarlos?"
std::wstring UnsavedChangesQuestion(const MonthSheet& sheet);

// Before a command drops the sheet on show: true when it may go on. Without unsaved changes
// nothing is asked. Otherwise the question: Sí saves the sheet, into its own work file or,
// without one, as "Grabar" does, and goes on only once it is saved; No goes on; Cancelar stays.
// The question has no owner window, so the program stays usable while it waits: a second
// command that would drop the sheet meanwhile does not go on.
bool MayDropSheet(ProgramState& state, WorkFileDialogs& dialogs);
