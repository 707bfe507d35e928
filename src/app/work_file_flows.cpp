#include "app/work_file_flows.h"

#include "calendar/last_folder.h"
#include "persistence/work_file_messages.h"
#include "persistence/work_file_name.h"
#include "platform/files.h"
#include "platform/path_text.h"

void ChooseWorkFile(MonthSheet& sheet, WorkFileDialogs& dialogs, WorkFileDialogMode mode) {
    SetLastFolderFrom(sheet.WorkFilePath);
    sheet.WorkFilePath = TrimBlanks(dialogs.ChoosePath(mode, LastFolderText()));
    SetLastFolderFrom(sheet.WorkFilePath);
}

std::optional<ReadResult> ReadNamedWorkFile(MonthSheet& sheet, std::string& imageBaseName) {
    switch (StateOfPath(sheet.WorkFilePath)) {
        case PathState::Missing:
            return std::nullopt;
        case PathState::Unusable:
            return ReadResult::Unreadable;
        case PathState::Present:
            break;
    }
    return ReadWorkFile(sheet, imageBaseName);
}

bool OpenWorkFileFlow(MonthSheet& sheet, std::string& imageBaseName, WorkFileDialogs& dialogs) {
    ChooseWorkFile(sheet, dialogs, WorkFileDialogMode::Open);
    const std::optional<ReadResult> result = ReadNamedWorkFile(sheet, imageBaseName);
    if (!result || *result == ReadResult::Replaced) return result.has_value();
    dialogs.ShowMessage(ReadResultMessage(*result));
    return false;
}

GivenFileRead ReadGivenWorkFile(MonthSheet& sheet, std::string& imageBaseName,
                                const std::wstring& path, WorkFileDialogs& dialogs) {
    sheet.WorkFilePath = path;
    SetLastFolderFrom(path);
    const std::optional<ReadResult> result = ReadNamedWorkFile(sheet, imageBaseName);
    if (result == ReadResult::Replaced) return GivenFileRead::Read;
    dialogs.ShowMessage(result ? ReadResultMessage(*result) : WorkFileUnreadableMessage);
    return result ? GivenFileRead::NotRead : GivenFileRead::Missing;
}

bool ReadDroppedFile(MonthSheet& sheet, std::string& imageBaseName, const std::wstring& path,
                     WorkFileDialogs& dialogs) {
    if (HasWorkFileExtension(path))
        return ReadGivenWorkFile(sheet, imageBaseName, path, dialogs) == GivenFileRead::Read;
    dialogs.ShowMessage(WorkFileWrongFormatMessage);
    return false;
}

bool SaveWorkFileFlow(MonthSheet& sheet, WorkFileDialogs& dialogs) {
    sheet.WorkFilePath.clear();
    ChooseWorkFile(sheet, dialogs, WorkFileDialogMode::Save);
    const std::wstring path = sheet.WorkFilePath;
    if (path.empty()) return false;
    if (FileExists(path) && !dialogs.AskOverwrite()) return false;
    // The question has no owner window: while it waited, another "Grabar" or a "Leer" may have
    // named another file. The answer is about this one.
    sheet.WorkFilePath = path;
    if (WriteWorkFile(sheet)) return true;
    dialogs.ShowMessage(WorkFileUnwritableMessage);
    return false;
}
