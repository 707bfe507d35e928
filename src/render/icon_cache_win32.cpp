#include "render/icon_cache_win32.h"

#include <windows.h>

#include <optional>

#include "platform/win32/full_path.h"
#include "platform/win32/handles.h"
#include "platform/win32/program_file.h"
#include "render/icon_places.h"

namespace {

std::uint64_t Joined(DWORD high, DWORD low) {
    return static_cast<std::uint64_t>(high) << 32 | low;
}

// Asks for no access to the contents, so a file that another program holds open, even
// without sharing, still gives its stamp.
std::optional<FileStamp> ReadFileStamp(const std::wstring& path) {
    const UniqueHandle file(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file || !GetFileInformationByHandle(file.Get(), &information)) return std::nullopt;
    return FileStamp{
        information.dwVolumeSerialNumber,
        Joined(information.nFileIndexHigh, information.nFileIndexLow),
        Joined(information.nFileSizeHigh, information.nFileSizeLow),
        Joined(information.ftLastWriteTime.dwHighDateTime,
               information.ftLastWriteTime.dwLowDateTime),
    };
}

}  // namespace

IconCache::IconCache(IconSurface surface) : Surface(surface), ProgramFile(ProgramFilePath()) {}

const SheetIcon* IconCache::Get(const std::wstring& path, int size) {
    if (path.empty() || size <= 0) return nullptr;
    for (const std::wstring& place : IconFilePlaces(path, ProgramFile)) {
        const std::wstring full = FullPath(place);
        if (full.empty()) continue;
        if (const SheetIcon* icon = Kept.Get(
                {full, size}, [&] { return ReadFileStamp(full); },
                [&] { return SheetIcon::Load(full, size, Surface); }))
            return icon;
    }
    return nullptr;
}
