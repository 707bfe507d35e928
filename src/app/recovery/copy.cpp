#include "app/recovery/copy.h"

#include "app/document/unsaved_work.h"
#include "calendar/calendar_names.h"
#include "platform/cp1252.h"

std::wstring RecoveryOffer(const MonthSheet& sheet) {
    return L"Almanaque se cerr\u00f3 sin grabar la hoja " +
           Cp1252ToWide(SheetTitle(sheet.Year, sheet.Month)) + L". \u00bfDesea recuperarla?";
}

std::wstring DamagedCopyMessage(const std::wstring& setAsidePath) {
    const std::wstring damaged =
        L"No se ha podido leer la copia de recuperaci\u00f3n de una hoja sin grabar: est\u00e1 "
        L"da\u00f1ada.";
    if (setAsidePath.empty()) return damaged + L" Se ha borrado.";
    return damaged + L" Se ha apartado, tal como estaba, en:\r\n" + setAsidePath;
}

RecoveryCopy::RecoveryCopy(std::wstring folder)
    : Store(std::move(folder)), Writer(std::make_unique<RecoveryWriter>(Store)) {}

bool RecoveryCopy::Start(ProgramState& state, WorkFileDialogs& dialogs) {
    // The writer has nothing to do until the first Follow: the store is this thread's meanwhile.
    for (const std::wstring& stem : Store.StemsInFolder()) {
        if (!Store.Claim(stem)) continue;  // its program is still running
        if (!Store.HasCopy(stem)) {
            Store.Discard(stem);
            continue;
        }
        std::unique_ptr<RecoverySnapshot> left = Store.ReadCopy(stem);
        if (!left) {
            dialogs.ShowMessage(DamagedCopyMessage(Store.SetAside(stem)).c_str());
            continue;
        }
        if (!dialogs.AskYesNo(RecoveryOffer(left->Sheet))) {
            Store.Discard(stem);
            continue;
        }
        Store.TakeAsOwn(stem);
        state.Sheet = std::move(left->Sheet);
        state.ImageBaseName = FormImageBaseName(state.Sheet.Year, state.Sheet.Month);
        state.WorkFilePath = left->WorkFile;
        StartUnsaved(state);
        state.SheetFile = left->WorkFile;
        Handed = RecoverySnapshot{state.Sheet, state.SheetFile};  // what the copy holds already
        return true;
    }
    Store.TakeNewStem();
    return false;
}

void RecoveryCopy::Follow(const ProgramState& state) {
    if (!HasUnsavedChanges(state)) {
        if (Handed) Writer->Remove();
        Handed.reset();
        return;
    }
    if (Handed && Handed->Sheet == state.Sheet && Handed->WorkFile == state.SheetFile) return;
    Handed = RecoverySnapshot{state.Sheet, state.SheetFile};
    Writer->Keep(std::make_unique<RecoverySnapshot>(*Handed));
}

void RecoveryCopy::Remove() {
    Writer->Remove();
    Handed.reset();
}
