#include "app/document/work_file_flows.h"

#include "app/document/unsaved_work.h"
#include "persistence/work_file_messages.h"
#include "persistence/work_file_name.h"
#include "platform/files.h"
#include "platform/path_text.h"

namespace {

// Shows the dialog in the folder of `openIn` and names the chosen path, without surrounding
// blanks, as the work file named last; LastFolder follows it.
std::wstring ChooseWorkFile(ProgramState& state, WorkFileDialogs& dialogs, WorkFileDialogMode mode,
                            std::wstring_view openIn) {
    state.Dialogs.FollowPath(openIn);
    state.WorkFilePath = TrimBlanks(dialogs.ChoosePath(mode, state.Dialogs.LastFolder));
    state.Dialogs.FollowPath(state.WorkFilePath);
    return state.WorkFilePath;
}

}  // namespace

std::optional<ReadResult> ReadNamedWorkFile(ProgramState& state, const std::wstring& path) {
    switch (StateOfPath(path)) {
        case PathState::Missing:
            return std::nullopt;
        case PathState::Unusable:
            return ReadResult::Unreadable;
        case PathState::Present:
            break;
    }
    const WorkFileRead read = ReadWorkFile(path, state.Sheet);
    if (read.ImageBaseName) state.ImageBaseName = *read.ImageBaseName;
    if (read.Result == ReadResult::Replaced) KeepAsUnchanged(state, path);
    return read.Result;
}

bool OpenWorkFileFlow(ProgramState& state, WorkFileDialogs& dialogs) {
    const std::wstring path =
        ChooseWorkFile(state, dialogs, WorkFileDialogMode::Open, state.WorkFilePath);
    const std::optional<ReadResult> result = ReadNamedWorkFile(state, path);
    if (!result || *result == ReadResult::Replaced) return result.has_value();
    dialogs.ShowMessage(ReadResultMessage(*result));
    return false;
}

GivenFileRead ReadGivenWorkFile(ProgramState& state, const std::wstring& path,
                                WorkFileDialogs& dialogs) {
    state.WorkFilePath = path;
    state.Dialogs.FollowPath(path);
    const std::optional<ReadResult> result = ReadNamedWorkFile(state, path);
    if (result == ReadResult::Replaced) return GivenFileRead::Read;
    dialogs.ShowMessage(result ? ReadResultMessage(*result) : WorkFileUnreadableMessage);
    return result ? GivenFileRead::NotRead : GivenFileRead::Missing;
}

bool ReadDroppedFile(ProgramState& state, const std::wstring& path, WorkFileDialogs& dialogs) {
    if (HasWorkFileExtension(path))
        return ReadGivenWorkFile(state, path, dialogs) == GivenFileRead::Read;
    dialogs.ShowMessage(WorkFileWrongFormatMessage);
    return false;
}

bool SaveWorkFileFlow(ProgramState& state, WorkFileDialogs& dialogs) {
    const std::wstring path = ChooseWorkFile(state, dialogs, WorkFileDialogMode::Save, L"");
    if (path.empty()) return false;
    if (FileExists(path) && !dialogs.AskOverwrite()) return false;
    // The question has no owner window: while it waited, another "Grabar" or a "Leer" may have
    // named another file. The answer is about this one, which is the file named last once saved.
    state.WorkFilePath = path;
    if (!WriteWorkFile(path, state.Sheet)) {
        dialogs.ShowMessage(WorkFileUnwritableMessage);
        return false;
    }
    KeepAsUnchanged(state, path);
    return true;
}
