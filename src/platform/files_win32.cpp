#include <windows.h>

#include <string>

#include "platform/busy_retry.h"
#include "platform/files.h"
#include "platform/path_text.h"
#include "platform/replacement_name.h"
#include "platform/win32/full_path.h"
#include "platform/win32/handles.h"

namespace {

// One call of ReadFile or WriteFile moves at most this many bytes.
constexpr std::size_t LargestStep = 0x10000000;

DWORD StepOf(std::size_t count) {
    return static_cast<DWORD>(count > LargestStep ? LargestStep : count);
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// How a failed operation on the path ends: another program holding the file (sharing or lock
// violation, or access denied to a file it is deleting) is a busy moment; anything else, and a
// folder where a file was meant, is final.
FileAttempt AfterFailure(DWORD error, const std::wstring& path) {
    const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                      (error == ERROR_ACCESS_DENIED && !IsFolder(path));
    return busy ? FileAttempt::Busy : FileAttempt::Failed;
}

bool TryWhileBusy(const std::function<FileAttempt()>& attempt) {
    return RetryWhileBusy(attempt, [](int milliseconds) { Sleep(milliseconds); });
}

// Opens the file, trying again while another program holds it.
UniqueHandle OpenWhenFree(const std::wstring& path, DWORD access, DWORD sharing,
                          DWORD disposition) {
    UniqueHandle handle;
    TryWhileBusy([&] {
        handle.Reset(CreateFileW(path.c_str(), access, sharing, nullptr, disposition,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        return handle ? FileAttempt::Done : AfterFailure(GetLastError(), path);
    });
    return handle;
}

// A temporary path is as long as its folder and a 16-character name, longer than a short target's
// path: where it passes MAX_PATH, it is given in the extended-length form, which the system takes
// whatever the program's long-path setting.
std::wstring AtAnyLength(const std::wstring& path) {
    const std::wstring full = FullPath(path);
    return full.size() < MAX_PATH ? path : ExtendedLengthPath(full);
}

// One try at putting the replacement in the target's place. A new target is the replacement
// moved in. An existing one is replaced by ReplaceFileW, so that the file keeps its attributes,
// permissions and creation time; the old file stands aside under the backup name until the
// replacement is in (without a backup name, a failure may leave no target at all).
FileAttempt PutInPlace(const std::wstring& target, const std::wstring& temporary,
                       const std::wstring& backup) {
    if (GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (MoveFileExW(temporary.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return FileAttempt::Done;
        return AfterFailure(GetLastError(), target);
    }
    DeleteFileW(backup.c_str());  // what an interrupted save left
    if (ReplaceFileW(target.c_str(), temporary.c_str(), backup.c_str(),
                     REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                     nullptr)) {
        DeleteFileW(backup.c_str());
        return FileAttempt::Done;
    }
    const DWORD error = GetLastError();
    // The old file stood aside but the replacement could not take its name: it goes back.
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) MoveFileExW(backup.c_str(), target.c_str(), 0);
    // ReplaceFileW's own failures leave both files as they were (with a backup name), and come
    // of a file that another program holds.
    const bool asBefore = error == ERROR_UNABLE_TO_REMOVE_REPLACED ||
                          error == ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
                          error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2;
    return asBefore ? FileAttempt::Busy : AfterFailure(error, target);
}

}  // namespace

PathState SystemPathState(const std::wstring& trimmedPath) {
    const DWORD savedError = GetLastError();
    PathState state = PathState::Present;
    if (GetFileAttributesW(trimmedPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        state = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                    ? PathState::Missing
                    : PathState::Unusable;
    }
    SetLastError(savedError);
    return state;
}

struct InputFile::Opened {
    UniqueHandle Handle;
};

InputFile::InputFile() = default;
InputFile::~InputFile() = default;

bool InputFile::Open(const std::wstring& path) {
    File.reset();
    // Other readers and a save replacing the file may come meanwhile; a writer may not.
    UniqueHandle handle =
        OpenWhenFree(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, OPEN_EXISTING);
    if (!handle) return false;
    File = std::make_unique<Opened>(Opened{std::move(handle)});
    return true;
}

bool InputFile::Length(std::uint64_t& bytes) {
    LARGE_INTEGER size{};
    if (!File || !GetFileSizeEx(File->Handle.Get(), &size)) return false;
    bytes = static_cast<std::uint64_t>(size.QuadPart);
    return true;
}

bool InputFile::Read(void* buffer, std::size_t count) {
    if (!File) return false;
    auto* into = static_cast<char*>(buffer);
    while (count > 0) {
        DWORD got = 0;
        if (!ReadFile(File->Handle.Get(), into, StepOf(count), &got, nullptr) || got == 0)
            return false;
        into += got;
        count -= got;
    }
    return true;
}

struct ReplacementFile::Replacement {
    UniqueHandle Handle;
    std::wstring Target;
    std::wstring Temporary;
    std::wstring Backup;
};

ReplacementFile::ReplacementFile() = default;

ReplacementFile::~ReplacementFile() {
    Discard();
}

void ReplacementFile::Discard() {
    if (!Pending) return;
    Pending->Handle.Reset();
    DeleteFileW(Pending->Temporary.c_str());
    Pending.reset();
}

bool ReplacementFile::Create(const std::wstring& targetPath) {
    Discard();
    // Neither a read-only file nor a folder of that name is ever replaced.
    const DWORD attributes = GetFileAttributesW(targetPath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return false;
    const std::wstring folder = FolderOf(targetPath);
    const std::wstring_view name = std::wstring_view(targetPath).substr(folder.size());
    const std::wstring temporary = AtAnyLength(folder + ReplacementNameFor(name));
    // Whatever an interrupted save of this target left under that name is overwritten.
    UniqueHandle handle = OpenWhenFree(temporary, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!handle) return false;
    Pending = std::make_unique<Replacement>(Replacement{std::move(handle), targetPath, temporary,
                                                        AtAnyLength(folder + BackupNameFor(name))});
    return true;
}

bool ReplacementFile::Write(const void* bytes, std::size_t count) {
    if (!Pending) return false;
    const auto* from = static_cast<const char*>(bytes);
    while (count > 0) {
        DWORD written = 0;
        if (!WriteFile(Pending->Handle.Get(), from, StepOf(count), &written, nullptr) ||
            written == 0)
            return false;
        from += written;
        count -= written;
    }
    return true;
}

bool ReplacementFile::Commit() {
    if (!Pending) return false;
    const bool flushed = FlushFileBuffers(Pending->Handle.Get()) != 0;
    const bool closed = CloseHandle(Pending->Handle.Release()) != 0;
    if (flushed && closed && TryWhileBusy([this] {
            return PutInPlace(Pending->Target, Pending->Temporary, Pending->Backup);
        })) {
        Pending.reset();
        return true;
    }
    Discard();
    return false;
}
