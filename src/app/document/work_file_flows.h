#pragma once
// The "Leer" and "Grabar" commands: choose a work file through the system's dialogs, test it,
// ask before overwriting, then read or write it. The program state's WorkFilePath keeps the path
// named last, and its LastFolder the folder the next dialog opens in.

#include <optional>
#include <string>

#include "app/document/program_state.h"
#include "persistence/work_file.h"

enum class WorkFileDialogMode { Open = 0, Save = 1 };

enum class Answer { Yes, No, Cancel };

// The windowing side of the flows.
class WorkFileDialogs {
  public:
    virtual ~WorkFileDialogs() = default;
    // Shows the open or save dialog, opening in the folder given (empty: the process's current
    // directory) with an empty name box; the full path chosen, or the empty text on cancel.
    virtual std::wstring ChoosePath(WorkFileDialogMode mode, const std::wstring& initialFolder) = 0;
    // "Sobrescribir ?" with Yes and No; true for Yes.
    virtual bool AskOverwrite() = 0;
    // The program's other questions: Sí and No; Sí, No and Cancelar.
    virtual bool AskYesNo(const std::wstring& question) = 0;
    virtual Answer AskYesNoCancel(const std::wstring& question) = 0;
    virtual void ShowMessage(const wchar_t* text) = 0;
};

// Reads the work file the path names, as start-up and "Leer" do: nothing when no file is
// there, which is not worth a word; a path the system cannot use at all reads as unreadable.
// A file that is read gives the exported image its name, and the sheet read has no unsaved
// changes.
std::optional<ReadResult> ReadNamedWorkFile(ProgramState& state, const std::wstring& path);

// "Leer": the dialog opens in the folder of the work file named last; the path chosen (empty
// on cancel) becomes the one named last. True when the sheet was replaced and must be redrawn. A
// refused or unreadable file has its message shown and leaves the sheet as it was.
bool OpenWorkFileFlow(ProgramState& state, WorkFileDialogs& dialogs);

// A work file named without a dialog, a recent file or one dropped on the window: read as "Leer"
// reads the file its dialog names (the path becomes the one named last and LastFolder follows
// it), except that a missing file is told with the message of an unreadable one, since the user
// has just named it.
enum class GivenFileRead { Read, Missing, NotRead };
GivenFileRead ReadGivenWorkFile(ProgramState& state, const std::wstring& path,
                                WorkFileDialogs& dialogs);

// A file dropped on the window: a name with the work-file extension is read as ReadGivenWorkFile
// reads it; any other is refused with the message for a file that is not a work file, and
// nothing changes. True when the sheet was replaced.
bool ReadDroppedFile(ProgramState& state, const std::wstring& path, WorkFileDialogs& dialogs);

// "Grabar": the dialog opens in the current directory; the path chosen becomes the one named
// last. Nothing is redrawn; a failed save has its message shown. True when the sheet was saved:
// it has no unsaved changes then.
bool SaveWorkFileFlow(ProgramState& state, WorkFileDialogs& dialogs);

inline constexpr wchar_t OverwriteQuestion[] = L"Sobrescribir ?";
