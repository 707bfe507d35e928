#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "platform/cp1252.h"
#include "platform/files.h"

bool PathAttributesReadable(std::string_view trimmedPath) {
    const int savedErrno = errno;
    struct stat status {};
    const bool exists = ::stat(Cp1252ToUtf8(trimmedPath).c_str(), &status) == 0;
    errno = savedErrno;
    return exists;
}
