#include "app/work_file_flows.h"

#include "persistence/work_file_messages.h"
#include "calendar/last_folder.h"
#include "persistence/work_file.h"
#include "platform/files.h"

void ChooseWorkFile(MonthSheet& sheet, WorkFileDialogs& dialogs, WorkFileDialogMode mode) {
    SetLastFolderFrom(PathFieldText(sheet.WorkFilePath));
    AssignPathField(sheet.WorkFilePath, dialogs.ChoosePath(mode, LastFolderText()));
    AssignPathField(sheet.WorkFilePath, PathFieldText(sheet.WorkFilePath));
    SetLastFolderFrom(PathFieldText(sheet.WorkFilePath));
}

bool OpenWorkFileFlow(MonthSheet& sheet, std::string& imageBaseName, WorkFileDialogs& dialogs) {
    ChooseWorkFile(sheet, dialogs, WorkFileDialogMode::Open);
    if (!FileExists(PathFieldText(sheet.WorkFilePath))) return false;
    const ReadResult result = ReadWorkFile(sheet, imageBaseName);
    if (result == ReadResult::Replaced) return true;
    dialogs.ShowMessage(ReadResultMessage(result));
    return false;
}

void SaveWorkFileFlow(MonthSheet& sheet, WorkFileDialogs& dialogs) {
    AssignPathField(sheet.WorkFilePath, "");
    ChooseWorkFile(sheet, dialogs, WorkFileDialogMode::Save);
    const std::string path = PathFieldText(sheet.WorkFilePath);
    if (path.empty()) return;
    if (FileExists(path) && !dialogs.AskOverwrite()) return;
    // The question has no owner window: while it waited, another "Grabar" or a "Leer" may have
    // named another file. The answer is about this one.
    AssignPathField(sheet.WorkFilePath, path);
    if (!WriteWorkFile(sheet)) dialogs.ShowMessage(WorkFileUnwritableMessage);
}
