#pragma once
// The recovery copies in their folder (on Windows %LOCALAPPDATA%\Almanaque\). Every running
// program keeps its own copy under a stem of its own (app/recovery/names.h) and holds the stem's
// lock for as long as it runs. A stem whose lock can be held belongs to a program that ended
// without removing its copy (a crash, a kill, a power cut, the end of the Windows session): this
// program may claim it, and from then on no other program touches it. A stem held by a running
// program is never touched.
//
// Used by one thread at a time: the start-up code, then the recovery writer.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/recovery/names.h"
#include "calendar/month_sheet.h"
#include "platform/held_file.h"

// What the recovery copy keeps: the sheet, and the work file it belongs to (empty: none).
struct RecoverySnapshot {
    MonthSheet Sheet;
    std::wstring WorkFile;
};

class RecoveryStore {
  public:
    // The folder, with its closing separator; it is made when it is missing. Without a folder
    // (the empty text) the store finds nothing and keeps nothing.
    explicit RecoveryStore(std::wstring folder);

    // The stems of every recovery file in the folder, oldest first, this program's own excluded.
    std::vector<std::wstring> StemsInFolder() const;

    // Holds the stem's lock; false when its program is still running, or the lock cannot be
    // made. The next three take a claimed stem.
    bool Claim(const std::wstring& stem);
    bool HasCopy(const std::wstring& stem) const;
    // The copy's sheet and work file; none when the copy cannot be read or holds no month.
    std::unique_ptr<RecoverySnapshot> ReadCopy(const std::wstring& stem) const;
    // Removes the stem's files.
    void Discard(const std::wstring& stem);
    // Renames the copy to the stem's set-aside name, removes the rest and tells where the copy
    // is now; a copy that cannot be renamed is removed, and the text is then empty.
    std::wstring SetAside(const std::wstring& stem);

    // Takes a claimed stem as this program's own, or a new one: Write and Remove work on its
    // files from then on. False when the folder cannot be used; Write then writes nothing.
    bool TakeAsOwn(const std::wstring& stem);
    bool TakeNewStem();

    bool Write(const RecoverySnapshot& snapshot);
    void Remove();

  private:
    RecoveryFiles FilesOf(const std::wstring& stem) const { return RecoveryFilesOf(Folder, stem); }

    std::wstring Folder;
    std::map<std::wstring, HeldFile> Claimed;
    std::wstring OwnStem;
    HeldFile OwnLock;
    std::optional<std::wstring> NoteWritten;  // the work file the own note names, once written
};
