#include "driver/folders.h"

#include <algorithm>

namespace e2e {

std::vector<std::wstring> NamesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

FolderWatch::FolderWatch(const std::wstring& folder)
    : Folder(CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED,
                         nullptr)),
      Changed(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    Listen();
}

FolderWatch::~FolderWatch() {
    if (Folder != INVALID_HANDLE_VALUE) {
        CancelIo(Folder);
        DWORD ignored = 0;
        GetOverlappedResult(Folder, &Pending, &ignored, TRUE);
        CloseHandle(Folder);
    }
    CloseHandle(Changed);
}

// Changes that happen between two requests are kept by the system for the next one.
void FolderWatch::Listen() {
    if (Folder == INVALID_HANDLE_VALUE) return;
    ResetEvent(Changed);
    Pending = {};
    Pending.hEvent = Changed;
    ReadDirectoryChangesW(Folder, Notices, sizeof Notices, FALSE, FILE_NOTIFY_CHANGE_FILE_NAME,
                          nullptr, &Pending, nullptr);
}

std::vector<std::wstring> FolderWatch::Created(std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (Names.empty() && Folder != INVALID_HANDLE_VALUE) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0 ||
            WaitForSingleObject(Changed, static_cast<DWORD>(left.count())) != WAIT_OBJECT_0)
            break;
        DWORD bytes = 0;
        if (GetOverlappedResult(Folder, &Pending, &bytes, FALSE) && bytes > 0) {
            for (auto* notice = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(Notices);;
                 notice = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(
                     reinterpret_cast<const std::byte*>(notice) + notice->NextEntryOffset)) {
                if (notice->Action == FILE_ACTION_ADDED)
                    Names.emplace_back(notice->FileName, notice->FileNameLength / sizeof(wchar_t));
                if (notice->NextEntryOffset == 0) break;
            }
        }
        Listen();
    }
    return Names;
}

}  // namespace e2e
