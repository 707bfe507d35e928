#pragma once
// The open document: the one month sheet on show and its rules, kept here once for every command
// that starts, reads, saves or changes it. A new sheet, one the program starts rather than reads,
// starts with the user's memorized dates and calendar choice (calendar/calendar_dressing.h). It
// knows the exported image's name (after the month on show), the work file named last, and the
// sheet as it was last started, read or saved with the work file holding it: the sheet has unsaved
// changes while it differs from that one. Comparing the two, rather than raising a flag at every
// edit, no way of editing can forget to tell, an editor closed without a change is no change, and
// an edit undone by hand leaves nothing to save. Whoever follows the sheet (the window, the
// recovery copy) is told of every change.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/document/user_dialogs.h"
#include "calendar/calendar_dressing.h"
#include "calendar/month_sheet.h"
#include "persistence/work_file.h"
#include "platform/clock.h"
#include "platform/dialog_memory.h"

enum class SheetChange {
    Replaced,  // another sheet is on show: started, read or recovered
    Edited,    // the sheet on show was changed
    Kept,      // the sheet on show was saved: only its unsaved state changed
};

// The dialogs and questions of which one at a time may be open. None of them disables the main
// window, so the command that opens one can come again while it waits.
enum class Guard {
    Dialog,        // the day editor, the about box or the calendar dialog
    MonthChooser,  // the chooser of "Nuevo"
    Question,      // the unsaved-changes question, or the save it leads to
};
inline constexpr int GuardCount = 3;

// A guard raised for as long as it lives.
class RaisedGuard {
  public:
    explicit RaisedGuard(bool& up) : Up(up) { Up = true; }
    ~RaisedGuard() { Up = false; }
    RaisedGuard(const RaisedGuard&) = delete;
    RaisedGuard& operator=(const RaisedGuard&) = delete;

  private:
    bool& Up;
};

// How a work file named without a dialog (a recent file, a dropped one) was read.
enum class GivenFileRead { Read, Missing, NotRead };

// Where a move to the month before or after ended.
enum class MonthMove { Stayed, ReadItsFile, Started };

class OpenSheet {
  public:
    const MonthSheet& Sheet() const { return Shown; }
    // "2026 12": the exported bitmap's name without ".bmp".
    const std::string& ImageBaseName() const { return ImageName; }
    // The work file named last, as the user gave it, without surrounding blanks; empty: none.
    const std::wstring& NamedFile() const { return Named; }
    // The work file holding the sheet as last kept (empty: none), which the unsaved-changes
    // question saves into.
    const std::wstring& SheetFile() const { return KeptIn; }
    bool HasUnsavedChanges() const { return !Kept || *Kept != Shown; }
    // Where the year's work files are kept ("2027 3.vrel", MonthWorkFileName): the folder of the
    // sheet's work file, also after a move to a month that has none, or the folder "Grabar" opens
    // in (empty: the current directory).
    const std::wstring& YearFolder() const { return YearFiles; }
    // What the dialogs remember for the whole run.
    DialogMemory& Dialogs() { return Memory; }

    // Called after every change of the sheet, in the order they were given.
    void FollowChanges(std::function<void(SheetChange)> follower);

    // None when the guard is up already: the dialog or question is open.
    std::optional<RaisedGuard> Raise(Guard guard);
    bool IsRaised(Guard guard) const { return Raised[static_cast<int>(guard)]; }

    // Start-up without a work file: today's new sheet, with the sample icon "apple.ico" in the
    // lower right of the Monday place of the grid's second week; nothing to save.
    void StartToday(const LocalDate& today, const NewSheetDressing& dressing);
    // "Nuevo", once its chooser closed: a new sheet of that month, in no file, and so unsaved
    // until it is saved.
    void StartMonth(std::int16_t year, std::int16_t month, const NewSheetDressing& dressing);
    // A sheet left by a program that ended without saving it, with the work file it belonged to
    // (empty: none): on show with unsaved changes, its work file as the sheet's own.
    void TakeRecovered(MonthSheet sheet, std::wstring workFile);
    // Changes the sheet on show, in place: the day editor edits its day for as long as it is open.
    void Edit(const std::function<void(MonthSheet&)>& edit);

    // The work file named on the command line, read as start-up reads it: nothing when no file
    // is there, which is not worth a word; a path the system cannot use at all reads as
    // unreadable. It becomes the file named last.
    std::optional<ReadResult> ReadNamedFile(const std::wstring& path);
    // "Leer": the dialog opens in the folder of the work file named last; the path chosen (empty
    // on cancel) becomes the one named last. True when the sheet was replaced. A refused or
    // unreadable file has its message shown and leaves the sheet as it was.
    bool Open(UserDialogs& dialogs);
    // A work file named without a dialog, a recent file or one dropped on the window: read as
    // "Leer" reads the file its dialog names (the path becomes the one named last and the
    // dialogs' folder follows it), except that a missing file is told with the message of an
    // unreadable one, since the user has just named it.
    GivenFileRead ReadGivenFile(const std::wstring& path, UserDialogs& dialogs);
    // A file dropped on the window: a name with the work-file extension is read as
    // ReadGivenFile reads it; any other is refused with the message for a file that is not a
    // work file, and nothing changes. True when the sheet was replaced.
    bool ReadDroppedFile(const std::wstring& path, UserDialogs& dialogs);
    // "Grabar": the dialog opens in the year's folder with the month's name proposed
    // ("2027 3.vrel"); the path chosen becomes the one named last. A failed save has its message
    // shown. True when the sheet was saved.
    bool Save(UserDialogs& dialogs);
    // "Mes anterior" (step -1) and "Mes siguiente" (+1): leaves the month as MayLeave says, then
    // reads the month's work file in the year's folder as "Leer" reads it, or starts the month
    // as a new sheet there; December and January follow one another, within the years 1..32767.
    MonthMove MoveMonth(int step, const NewSheetDressing& dressing, UserDialogs& dialogs);
    // Before a move leaves the month: a month only looked at, as it was started or read, is no
    // work to lose and asks nothing; otherwise as MayDrop.
    bool MayLeave(UserDialogs& dialogs);
    // Before a command drops the sheet on show: true when it may go on. Without unsaved changes
    // nothing is asked. Otherwise the question: Sí saves the sheet, into its own work file or,
    // without one, as "Grabar" does, and goes on only once it is saved; No goes on; Cancelar
    // stays. While the question waits, a second command that would drop the sheet does not go on.
    bool MayDrop(UserDialogs& dialogs);

  private:
    // The sheet on show is the one the work file holds (empty: none).
    void KeepAs(const std::wstring& workFile);
    std::wstring ChooseWorkFile(UserDialogs& dialogs, WorkFileDialogMode mode,
                                std::wstring_view openIn, const std::wstring& proposed);
    bool WriteInto(const std::wstring& path, UserDialogs& dialogs);
    void Tell(SheetChange change);

    MonthSheet Shown;
    std::string ImageName;
    std::wstring Named;
    std::optional<MonthSheet> Kept;  // none after "Nuevo" and for a recovered sheet
    std::wstring KeptIn;
    std::optional<MonthSheet> StartedAs;  // as last started, read or saved; none: recovered
    std::wstring YearFiles;
    DialogMemory Memory;
    std::array<bool, GuardCount> Raised{};
    std::vector<std::function<void(SheetChange)>> Followers;
};

// "La hoja Marzo 2026 tiene cambios sin grabar. ¿Desea grabarlos?"
std::wstring UnsavedChangesQuestion(const MonthSheet& sheet);
