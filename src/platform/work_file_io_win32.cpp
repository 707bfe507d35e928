#include <windows.h>

#include <string>

#include "platform/cp1252.h"
#include "platform/replacement_name.h"
#include "platform/work_file_io.h"

namespace {

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

void CloseIfOpen(std::intptr_t& handle) {
    if (AsHandle(handle) != INVALID_HANDLE_VALUE) CloseHandle(AsHandle(handle));
    handle = -1;
}

// The folder part of a path, for the replacement's name: up to the last separator; empty for
// a bare name, which stays in the current directory.
std::wstring FolderOf(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/:");
    if (separator == std::wstring::npos) return {};
    return path.substr(0, separator + 1);
}

}  // namespace

InputFile::~InputFile() {
    CloseIfOpen(Handle);
}

bool InputFile::Open(std::string_view path) {
    CloseIfOpen(Handle);
    const HANDLE file = CreateFileW(Cp1252ToWide(path).c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    Handle = reinterpret_cast<std::intptr_t>(file);
    return true;
}

bool InputFile::Length(std::uint64_t& bytes) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(AsHandle(Handle), &size)) return false;
    bytes = static_cast<std::uint64_t>(size.QuadPart);
    return true;
}

bool InputFile::Read(void* buffer, std::size_t count) {
    auto* into = static_cast<char*>(buffer);
    while (count > 0) {
        DWORD got = 0;
        const DWORD ask = static_cast<DWORD>(count > 0x10000000 ? 0x10000000 : count);
        if (!ReadFile(AsHandle(Handle), into, ask, &got, nullptr) || got == 0) return false;
        into += got;
        count -= got;
    }
    return true;
}

struct ReplacementFile::Names {
    std::wstring Target;
    std::wstring Temporary;
};

ReplacementFile::ReplacementFile() = default;

ReplacementFile::~ReplacementFile() {
    Discard();
}

void ReplacementFile::Discard() {
    CloseIfOpen(Handle);
    if (Paths && !Paths->Temporary.empty()) DeleteFileW(Paths->Temporary.c_str());
    Paths.reset();
}

bool ReplacementFile::Create(std::string_view targetPath) {
    return Create(Cp1252ToWide(targetPath));
}

bool ReplacementFile::Create(const std::wstring& targetPath) {
    Discard();
    auto names = std::make_unique<Names>();
    names->Target = targetPath;
    const DWORD attributes = GetFileAttributesW(names->Target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return false;
    const std::wstring folder = FolderOf(names->Target);
    const std::wstring temporary =
        folder + ReplacementNameFor(std::wstring_view(names->Target).substr(folder.size()));
    // Whatever an interrupted save of this target left under that name is overwritten.
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    names->Temporary = temporary;
    Paths = std::move(names);
    Handle = reinterpret_cast<std::intptr_t>(file);
    return true;
}

bool ReplacementFile::Write(const void* bytes, std::size_t count) {
    if (AsHandle(Handle) == INVALID_HANDLE_VALUE) return false;
    const auto* from = static_cast<const char*>(bytes);
    while (count > 0) {
        DWORD written = 0;
        const DWORD ask = static_cast<DWORD>(count > 0x10000000 ? 0x10000000 : count);
        if (!WriteFile(AsHandle(Handle), from, ask, &written, nullptr) || written == 0)
            return false;
        from += written;
        count -= written;
    }
    return true;
}

bool ReplacementFile::Commit() {
    if (AsHandle(Handle) == INVALID_HANDLE_VALUE || !Paths) return false;
    const bool flushed = FlushFileBuffers(AsHandle(Handle)) != 0;
    const bool closed = CloseHandle(AsHandle(Handle)) != 0;
    Handle = -1;
    if (!flushed || !closed) {
        Discard();
        return false;
    }
    if (MoveFileExW(Paths->Temporary.c_str(), Paths->Target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Paths.reset();
        return true;
    }
    Discard();
    return false;
}
