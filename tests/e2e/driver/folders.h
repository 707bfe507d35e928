#pragma once
// What a driven program leaves in a folder: the names in it now, and the names of the files it
// created there while being watched.

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "driver/program_driver.h"

namespace e2e {

// Names of the files and folders in a folder, sorted.
std::vector<std::wstring> NamesIn(const std::wstring& folder);

// Notes every file created in a folder (directly in it) from its construction on, even one that
// lives only for a moment.
class FolderWatch {
  public:
    explicit FolderWatch(const std::wstring& folder);
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // The names created so far, in order, once at least one has been seen; empty on timeout.
    std::vector<std::wstring> Created(std::chrono::milliseconds timeout = DefaultTimeout);

  private:
    void Listen();

    HANDLE Folder;
    HANDLE Changed;
    OVERLAPPED Pending{};
    alignas(DWORD) std::byte Notices[16 * 1024];
    std::vector<std::wstring> Names;
};

}  // namespace e2e
