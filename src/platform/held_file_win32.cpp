#include <windows.h>

#include "platform/held_file.h"
#include "platform/win32/handles.h"

struct HeldFile::Held {
    Held(UniqueHandle handle, std::wstring path)
        : Handle(std::move(handle)), Path(std::move(path)) {}
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    // Closed first: no one, this process included, can remove a file opened without sharing.
    ~Held() {
        Handle.Reset();
        DeleteFileW(Path.c_str());
    }

    UniqueHandle Handle;
    std::wstring Path;
};

HeldFile::HeldFile() = default;
HeldFile::~HeldFile() = default;
HeldFile::HeldFile(HeldFile&&) noexcept = default;
HeldFile& HeldFile::operator=(HeldFile&&) noexcept = default;

bool HeldFile::Hold(const std::wstring& path) {
    Release();
    // Share mode 0 refuses every other open of the file while the handle lives, removal
    // included; the system closes the handle when the process ends, however it ends.
    UniqueHandle handle(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) return false;
    File = std::make_unique<Held>(std::move(handle), path);
    return true;
}

void HeldFile::Release() {
    File.reset();
}
