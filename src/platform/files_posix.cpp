#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "platform/cp1252.h"
#include "platform/files.h"

bool PathAttributesReadable(const std::wstring& trimmedPath) {
    const int savedErrno = errno;
    struct stat status {};
    const bool exists = ::stat(WideToUtf8(trimmedPath).c_str(), &status) == 0;
    errno = savedErrno;
    return exists;
}
