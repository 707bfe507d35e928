#include "platform/files.h"

#include "platform/path_text.h"

bool FileExists(std::wstring_view path) {
    const std::wstring trimmed = TrimBlanks(path);
    if (trimmed.empty()) return false;
    return PathAttributesReadable(trimmed);
}
