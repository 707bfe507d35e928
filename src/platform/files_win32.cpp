#include <windows.h>

#include <string>

#include "platform/files.h"
#include "platform/path_text.h"
#include "platform/replacement_name.h"
#include "platform/win32/handles.h"

namespace {

// One call of ReadFile or WriteFile moves at most this many bytes.
constexpr std::size_t LargestStep = 0x10000000;

DWORD StepOf(std::size_t count) {
    return static_cast<DWORD>(count > LargestStep ? LargestStep : count);
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
    UniqueHandle handle(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
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
    const DWORD attributes = GetFileAttributesW(targetPath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return false;
    const std::wstring folder = FolderOf(targetPath);
    const std::wstring temporary =
        folder + ReplacementNameFor(std::wstring_view(targetPath).substr(folder.size()));
    // Whatever an interrupted save of this target left under that name is overwritten.
    UniqueHandle handle(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) return false;
    Pending = std::make_unique<Replacement>(Replacement{std::move(handle), targetPath, temporary});
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
    if (flushed && closed &&
        MoveFileExW(Pending->Temporary.c_str(), Pending->Target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Pending.reset();
        return true;
    }
    Discard();
    return false;
}
