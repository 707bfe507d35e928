#include "app/recovery/store.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <set>

#include "persistence/work_file.h"
#include "platform/files.h"
#include "platform/folder_files.h"
#include "platform/replacement_name.h"

namespace {

// The note holds the work file's path as UTF-16, low byte first.
constexpr std::uint64_t LongestNote = 2 * 32767;

std::vector<std::uint8_t> NoteBytes(const std::wstring& path) {
    std::vector<std::uint8_t> bytes;
    for (const wchar_t unit : path) {
        const auto value = static_cast<std::uint16_t>(unit);
        bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    return bytes;
}

std::wstring ReadNote(const std::wstring& path) {
    InputFile file;
    std::uint64_t length = 0;
    if (!file.Open(path) || !file.Length(length) || length % 2 != 0 || length > LongestNote)
        return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    if (!file.Read(bytes.data(), bytes.size())) return {};
    std::wstring text;
    for (std::size_t at = 0; at < bytes.size(); at += 2)
        text += static_cast<wchar_t>(bytes[at] | (bytes[at + 1] << 8));
    return text;
}

// A file of the folder that a write of `file` uses: its replacement, or the old file standing
// aside under its backup name (platform/replacement_name.h).
std::wstring BesideFile(const std::wstring& folder, const std::wstring& file,
                        std::wstring (*nameFor)(std::wstring_view)) {
    return folder + nameFor(std::wstring_view(file).substr(folder.size()));
}

bool WriteNote(const std::wstring& path, const std::wstring& workFile) {
    return workFile.empty() ? RemoveFile(path) : WriteWholeFile(path, NoteBytes(workFile));
}

}  // namespace

RecoveryStore::RecoveryStore(std::wstring folder) : Folder(std::move(folder)) {
    if (!Folder.empty()) MakeFolder(Folder);
}

std::vector<std::wstring> RecoveryStore::StemsInFolder() const {
    std::set<std::wstring> stems;
    if (Folder.empty()) return {};
    for (const std::wstring& name : FileNamesIn(Folder))
        if (const std::optional<std::wstring> stem = RecoveryStemOf(name); stem && *stem != OwnStem)
            stems.insert(*stem);
    return {stems.begin(), stems.end()};
}

bool RecoveryStore::Claim(const std::wstring& stem) {
    HeldFile lock;
    const RecoveryFiles files = FilesOf(stem);
    if (!lock.Hold(files.Lock)) return false;
    Claimed[stem] = std::move(lock);
    // A program killed while a file was being replaced may have left the old one aside under
    // its backup name, and none under its own.
    for (const std::wstring* file : {&files.Copy, &files.WorkFileNote}) {
        const std::wstring backup = BesideFile(Folder, *file, &BackupNameFor);
        if (!FileExists(*file) && FileExists(backup)) RenameFile(backup, *file);
    }
    return true;
}

bool RecoveryStore::HasCopy(const std::wstring& stem) const {
    return FileExists(FilesOf(stem).Copy);
}

std::unique_ptr<RecoverySnapshot> RecoveryStore::ReadCopy(const std::wstring& stem) const {
    const RecoveryFiles files = FilesOf(stem);
    auto left = std::make_unique<RecoverySnapshot>();
    // A new sheet has no month: an empty file, which the reader takes, leaves it without one.
    if (!HasCopy(stem) || ReadWorkFile(files.Copy, left->Sheet).Result != ReadResult::Replaced ||
        left->Sheet.Month == 0)
        return nullptr;
    left->WorkFile = ReadNote(files.WorkFileNote);
    return left;
}

void RecoveryStore::Discard(const std::wstring& stem) {
    const RecoveryFiles files = FilesOf(stem);
    for (const std::wstring* file : {&files.Copy, &files.WorkFileNote})
        for (const std::wstring& leftover : {*file, BesideFile(Folder, *file, &ReplacementNameFor),
                                             BesideFile(Folder, *file, &BackupNameFor)})
            RemoveFile(leftover);
    Claimed.erase(stem);
}

std::wstring RecoveryStore::SetAside(const std::wstring& stem) {
    const RecoveryFiles files = FilesOf(stem);
    const bool renamed = RenameFile(files.Copy, files.SetAside);
    Discard(stem);
    return renamed ? files.SetAside : std::wstring();
}

bool RecoveryStore::TakeAsOwn(const std::wstring& stem) {
    const auto claimed = Claimed.find(stem);
    if (claimed == Claimed.end()) return false;
    OwnLock = std::move(claimed->second);
    Claimed.erase(claimed);
    OwnStem = stem;
    NoteWritten.reset();
    return true;
}

bool RecoveryStore::TakeNewStem() {
    if (Folder.empty()) return false;
    const std::vector<std::wstring> taken = StemsInFolder();
    std::random_device random;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const std::wstring stem =
            RecoveryStem(static_cast<std::uint64_t>(
                             std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
                         random());
        if (std::find(taken.begin(), taken.end(), stem) != taken.end() || !Claim(stem)) continue;
        return TakeAsOwn(stem);
    }
    return false;
}

bool RecoveryStore::Write(const RecoverySnapshot& snapshot) {
    if (!OwnLock.Holding()) return false;
    const RecoveryFiles files = FilesOf(OwnStem);
    // The note first: a program killed between the two may leave an older copy without its
    // work file, but never a copy beside a work file its sheet did not come from.
    if (NoteWritten != snapshot.WorkFile) {
        if (!WriteNote(files.WorkFileNote, snapshot.WorkFile)) return false;
        NoteWritten = snapshot.WorkFile;
    }
    return WriteWorkFile(files.Copy, snapshot.Sheet);
}

void RecoveryStore::Remove() {
    if (!OwnLock.Holding()) return;
    const RecoveryFiles files = FilesOf(OwnStem);
    RemoveFile(files.Copy);
    if (RemoveFile(files.WorkFileNote)) NoteWritten = std::wstring();
}
