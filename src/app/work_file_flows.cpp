#include "app/work_file_flows.h"

#include "persistence/work_file_messages.h"
#include "calendar/last_folder.h"
#include "persistence/work_file.h"
#include "platform/files.h"
#include "platform/path_text.h"

void ChooseWorkFile(MonthSheet& sheet, WorkFileDialogs& dialogs, WorkFileDialogMode mode) {
    SetLastFolderFrom(sheet.WorkFilePath);
    sheet.WorkFilePath = TrimBlanks(dialogs.ChoosePath(mode, LastFolderText()));
    SetLastFolderFrom(sheet.WorkFilePath);
}

bool OpenWorkFileFlow(MonthSheet& sheet, std::string& imageBaseName, WorkFileDialogs& dialogs) {
    ChooseWorkFile(sheet, dialogs, WorkFileDialogMode::Open);
    if (!FileExists(sheet.WorkFilePath)) return false;
    const ReadResult result = ReadWorkFile(sheet, imageBaseName);
    if (result == ReadResult::Replaced) return true;
    dialogs.ShowMessage(ReadResultMessage(result));
    return false;
}

void SaveWorkFileFlow(MonthSheet& sheet, WorkFileDialogs& dialogs) {
    sheet.WorkFilePath.clear();
    ChooseWorkFile(sheet, dialogs, WorkFileDialogMode::Save);
    const std::wstring path = sheet.WorkFilePath;
    if (path.empty()) return;
    if (FileExists(path) && !dialogs.AskOverwrite()) return;
    // The question has no owner window: while it waited, another "Grabar" or a "Leer" may have
    // named another file. The answer is about this one.
    sheet.WorkFilePath = path;
    if (!WriteWorkFile(sheet)) dialogs.ShowMessage(WorkFileUnwritableMessage);
}
