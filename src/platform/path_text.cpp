#include "platform/path_text.h"

#include <cstring>

#include "platform/text_slot.h"

std::string TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string FolderPart(std::string_view path) {
    constexpr std::size_t LongestPath = 260;
    if (path.size() > LongestPath) return {};
    const std::size_t separator = path.find_last_of("\\:");
    if (separator == std::string_view::npos) return {};
    return std::string(path.substr(0, separator + 1));
}

void AssignPathField(PathField& field, std::string_view text) {
    const std::size_t length = std::min(text.size(), PathFieldLength);
    std::memcpy(field, text.data(), length);
    std::memset(field + length, ' ', PathFieldLength - length);
}

std::string PathFieldText(const PathField& field) {
    return TrimBlanks(std::string_view(field, PathFieldLength));
}
