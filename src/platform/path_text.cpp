#include "platform/path_text.h"

std::string TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(WithoutTrailingBlanks(text.substr(first)));
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

std::string FolderPart(std::string_view path) {
    constexpr std::size_t LongestPath = 260;
    if (path.size() > LongestPath) return {};
    const std::size_t separator = path.find_last_of("\\:");
    if (separator == std::string_view::npos) return {};
    return std::string(path.substr(0, separator + 1));
}
