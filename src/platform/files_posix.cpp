#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "platform/cp1252.h"
#include "platform/files.h"

PathState SystemPathState(const std::wstring& trimmedPath) {
    const int savedErrno = errno;
    struct stat status {};
    PathState state = PathState::Present;
    if (::stat(WideToUtf8(trimmedPath).c_str(), &status) != 0)
        state = errno == ENOENT || errno == ENOTDIR ? PathState::Missing : PathState::Unusable;
    errno = savedErrno;
    return state;
}
