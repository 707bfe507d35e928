#include "app/recovery/copy.h"

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

bool RecoveryCopy::Start(OpenSheet& document, UserDialogs& dialogs) {
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
        Handed = *left;  // what the copy holds already
        document.TakeRecovered(std::move(left->Sheet), std::move(left->WorkFile));
        return true;
    }
    Store.TakeNewStem();
    return false;
}

void RecoveryCopy::Follow(const OpenSheet& document) {
    if (!document.HasUnsavedChanges()) {
        if (Handed) Writer->Remove();
        Handed.reset();
        return;
    }
    if (Handed && Handed->Sheet == document.Sheet() && Handed->WorkFile == document.SheetFile())
        return;
    Handed = RecoverySnapshot{document.Sheet(), document.SheetFile()};
    Writer->Keep(std::make_unique<RecoverySnapshot>(*Handed));
}

void RecoveryCopy::Remove() {
    Writer->Remove();
    Handed.reset();
}
