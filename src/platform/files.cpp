#include "platform/files.h"

#include "platform/path_text.h"

bool FileExists(std::string_view path) {
    const std::string trimmed = TrimBlanks(path);
    if (trimmed.empty()) return false;
    return PathAttributesReadable(trimmed);
}
