#pragma once
// The program's recovery copy. At start-up the copies that programs which ended without saving
// left behind are offered; from then on the program's own copy follows the sheet: it holds the
// sheet while the sheet has unsaved changes and is gone while there are none.

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "app/document/open_sheet.h"
#include "app/recovery/store.h"
#include "app/recovery/writer.h"

// "Almanaque se cerró sin grabar la hoja Marzo 2026. ¿Desea recuperarla?"
std::wstring RecoveryOffer(const MonthSheet& sheet);
// What the user is told of a copy that cannot be read, set aside at that path (empty: removed).
std::wstring DamagedCopyMessage(const std::wstring& setAsidePath);

class RecoveryCopy {
  public:
    // The folder, with its closing separator; where no folder can be made, no copy is kept.
    explicit RecoveryCopy(std::wstring folder);

    // Start-up, once: offers the left copies, oldest first, until one is taken; a damaged one
    // is told and set aside, one declined is removed, those after the one taken wait for the
    // next start. The copy taken goes on show (OpenSheet::TakeRecovered); true then.
    bool Start(OpenSheet& document, UserDialogs& dialogs);

    // On the user interface's thread, at every change of the document and at a steady beat
    // (the day editor changes the sheet while it is open): hands the writer the sheet when it
    // has unsaved changes that the copy does not hold yet, or has the copy removed once there
    // are none.
    void Follow(const OpenSheet& document);
    // Waits until the copy is as the last Follow asked; false when the time ran out first.
    bool Finish(std::chrono::milliseconds timeout) { return Writer->Finish(timeout); }
    // The program ends normally: its copy goes, whatever the sheet holds.
    void Remove();

  private:
    RecoveryStore Store;
    std::unique_ptr<RecoveryWriter> Writer;
    // What the writer was given last; none once it was told to remove the copy.
    std::optional<RecoverySnapshot> Handed;
};
