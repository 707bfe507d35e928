#pragma once
// What the program keeps for the whole run, owned by the main window: the one month sheet, the
// base name of the exported image, the work file named last, the sheet as its work file holds it,
// what the dialogs remember, and the flags that keep dialogs and questions from opening twice.

#include <cstdint>
#include <optional>
#include <string>

#include "calendar/month_sheet.h"
#include "platform/dialog_memory.h"

struct ProgramState {
    MonthSheet Sheet;
    std::string ImageBaseName;  // "2026 12": the exported bitmap's name without ".bmp"
    // The work file named last, as the user gave it, without surrounding blanks; empty: none.
    std::wstring WorkFilePath;
    // The sheet as it was last started, read or saved (none after "Nuevo"), and the work file
    // holding it (empty: none), which the unsaved-changes question saves into (app/document/unsaved_work.h).
    std::optional<MonthSheet> SheetAsKept;
    std::wstring SheetFile;
    DialogMemory Dialogs;
    std::int32_t EditorOpen = 0;   // 1 while the day editor or the about box is open
    std::int32_t ChooserBusy = 0;  // 1 while the month chooser of "Nuevo" is open
    std::int32_t Asking = 0;       // 1 while the unsaved-changes question or its save is up
};

// Raises a dialog guard flag for as long as it lives, so that the flag comes down whatever way the
// dialog's command ends.
class RaisedFlag {
  public:
    explicit RaisedFlag(std::int32_t& flag) : Flag(flag) { Flag = 1; }
    ~RaisedFlag() { Flag = 0; }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;

  private:
    std::int32_t& Flag;
};
