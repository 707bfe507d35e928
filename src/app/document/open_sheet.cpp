#include "app/document/open_sheet.h"

#include "calendar/calendar_arithmetic.h"
#include "calendar/calendar_names.h"
#include "persistence/work_file_messages.h"
#include "persistence/work_file_name.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/path_text.h"

namespace {

MonthSheet EmptySheet(std::int16_t year, std::int16_t month) {
    MonthSheet sheet;
    sheet.Year = year;
    sheet.Month = month;
    return sheet;
}

}  // namespace

void OpenSheet::FollowChanges(std::function<void(SheetChange)> follower) {
    Followers.push_back(std::move(follower));
}

std::optional<RaisedGuard> OpenSheet::Raise(Guard guard) {
    bool& up = Raised[static_cast<int>(guard)];
    if (up) return std::nullopt;
    return std::optional<RaisedGuard>(std::in_place, up);
}

void OpenSheet::StartToday(const LocalDate& today, const NewSheetDressing& dressing) {
    Shown = EmptySheet(today.Year, today.Month);
    Shown.Cell(0, 2).Icons[8].Path = "apple.ico";
    DressNewSheet(Shown, dressing);
    ImageName = FormImageBaseName(Shown.Year, Shown.Month);
    KeepAs(L"");
    Tell(SheetChange::Replaced);
}

void OpenSheet::StartMonth(std::int16_t year, std::int16_t month,
                           const NewSheetDressing& dressing) {
    Shown = NewSheet(year, month, dressing);
    ImageName = FormImageBaseName(year, month);
    Kept.reset();
    KeptIn.clear();
    StartedAs = Shown;
    YearFiles.clear();
    Tell(SheetChange::Replaced);
}

void OpenSheet::TakeRecovered(MonthSheet sheet, std::wstring workFile) {
    Shown = std::move(sheet);
    ImageName = FormImageBaseName(Shown.Year, Shown.Month);
    Named = workFile;
    Kept.reset();
    KeptIn = std::move(workFile);
    StartedAs.reset();
    YearFiles = FolderOf(KeptIn);
    Tell(SheetChange::Replaced);
}

void OpenSheet::Edit(const std::function<void(MonthSheet&)>& edit) {
    edit(Shown);
    Tell(SheetChange::Edited);
}

std::optional<ReadResult> OpenSheet::ReadNamedFile(const std::wstring& path) {
    Named = path;
    switch (StateOfPath(path)) {
        case PathState::Missing:
            return std::nullopt;
        case PathState::Unusable:
            return ReadResult::Unreadable;
        case PathState::Present:
            break;
    }
    const WorkFileRead read = ReadWorkFile(path, Shown);
    if (read.ImageBaseName) ImageName = *read.ImageBaseName;
    if (read.Result != ReadResult::Replaced) return read.Result;
    KeepAs(path);
    Tell(SheetChange::Replaced);
    return read.Result;
}

bool OpenSheet::Open(UserDialogs& dialogs) {
    const std::wstring path = ChooseWorkFile(dialogs, WorkFileDialogMode::Open, Named, L"");
    const std::optional<ReadResult> result = ReadNamedFile(path);
    if (!result || *result == ReadResult::Replaced) return result.has_value();
    dialogs.ShowMessage(ReadResultMessage(*result));
    return false;
}

GivenFileRead OpenSheet::ReadGivenFile(const std::wstring& path, UserDialogs& dialogs) {
    Memory.FollowPath(path);
    const std::optional<ReadResult> result = ReadNamedFile(path);
    if (result == ReadResult::Replaced) return GivenFileRead::Read;
    dialogs.ShowMessage(result ? ReadResultMessage(*result) : WorkFileUnreadableMessage);
    return result ? GivenFileRead::NotRead : GivenFileRead::Missing;
}

bool OpenSheet::ReadDroppedFile(const std::wstring& path, UserDialogs& dialogs) {
    if (HasWorkFileExtension(path)) return ReadGivenFile(path, dialogs) == GivenFileRead::Read;
    dialogs.ShowMessage(WorkFileWrongFormatMessage);
    return false;
}

bool OpenSheet::Save(UserDialogs& dialogs) {
    const std::wstring path = ChooseWorkFile(dialogs, WorkFileDialogMode::Save, YearFolder(),
                                             MonthWorkFileName(Shown.Year, Shown.Month));
    if (path.empty()) return false;
    if (FileExists(path) && !dialogs.AskOverwrite()) return false;
    // The question has no owner window: while it waited, another "Grabar" or a "Leer" may have
    // named another file. The answer is about this one, which is the file named last once saved.
    Named = path;
    return WriteInto(path, dialogs);
}

MonthMove OpenSheet::MoveMonth(int step, const NewSheetDressing& dressing, UserDialogs& dialogs) {
    const std::optional<MonthOfYear> next = MonthAfter({Shown.Year, Shown.Month}, step);
    if (!next || !MayLeave(dialogs)) return MonthMove::Stayed;
    // The folder as the question left it: "Sí" may have saved the month into a folder chosen.
    const std::wstring folder = YearFiles;
    const std::wstring file = folder + MonthWorkFileName(next->Year, next->Month);
    if (FileExists(file))
        return ReadGivenFile(file, dialogs) == GivenFileRead::Read ? MonthMove::ReadItsFile
                                                                   : MonthMove::Stayed;
    StartMonth(next->Year, next->Month, dressing);
    YearFiles = folder;
    return MonthMove::Started;
}

bool OpenSheet::MayLeave(UserDialogs& dialogs) {
    return (StartedAs && *StartedAs == Shown) || MayDrop(dialogs);
}

bool OpenSheet::MayDrop(UserDialogs& dialogs) {
    if (!HasUnsavedChanges()) return true;
    const std::optional<RaisedGuard> asking = Raise(Guard::Question);
    if (!asking) return false;
    switch (dialogs.AskYesNoCancel(UnsavedChangesQuestion(Shown))) {
        case Answer::Cancel:
            return false;
        case Answer::No:
            return true;
        case Answer::Yes:
            break;
    }
    if (KeptIn.empty()) return Save(dialogs);
    return WriteInto(KeptIn, dialogs);
}

void OpenSheet::KeepAs(const std::wstring& workFile) {
    Kept = Shown;
    KeptIn = workFile;
    StartedAs = Shown;
    YearFiles = FolderOf(workFile);
}

// Shows the dialog in the folder of `openIn` and names the chosen path, without surrounding
// blanks, as the work file named last; the dialogs' folder follows it.
std::wstring OpenSheet::ChooseWorkFile(UserDialogs& dialogs, WorkFileDialogMode mode,
                                       std::wstring_view openIn, const std::wstring& proposed) {
    Memory.FollowPath(openIn);
    Named = TrimBlanks(dialogs.ChoosePath(mode, Memory.LastFolder, proposed));
    Memory.FollowPath(Named);
    return Named;
}

bool OpenSheet::WriteInto(const std::wstring& path, UserDialogs& dialogs) {
    if (!WriteWorkFile(path, Shown)) {
        dialogs.ShowMessage(WorkFileUnwritableMessage);
        return false;
    }
    KeepAs(path);
    Tell(SheetChange::Kept);
    return true;
}

void OpenSheet::Tell(SheetChange change) {
    for (const auto& follower : Followers) follower(change);
}

std::wstring UnsavedChangesQuestion(const MonthSheet& sheet) {
    return L"La hoja " + Cp1252ToWide(SheetTitle(sheet.Year, sheet.Month)) +
           L" tiene cambios sin grabar. \u00bfDesea grabarlos?";
}
