#include "platform/path_text.h"

namespace {

template <typename Char>
std::basic_string_view<Char> TrailingBlanksCut(std::basic_string_view<Char> text) {
    const std::size_t last = text.find_last_not_of(Char(' '));
    return last == std::basic_string_view<Char>::npos ? std::basic_string_view<Char>{}
                                                      : text.substr(0, last + 1);
}

template <typename Char>
std::basic_string<Char> BothEndsCut(std::basic_string_view<Char> text) {
    const std::size_t first = text.find_first_not_of(Char(' '));
    if (first == std::basic_string_view<Char>::npos) return {};
    return std::basic_string<Char>(TrailingBlanksCut(text.substr(first)));
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
    return BothEndsCut(text);
}

std::wstring TrimBlanks(std::wstring_view text) {
    return BothEndsCut(text);
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
    return TrailingBlanksCut(text);
}

std::wstring FolderOf(std::wstring_view path) {
    const std::size_t separator = path.find_last_of(L"\\/:");
    if (separator == std::wstring_view::npos) return {};
    return std::wstring(path.substr(0, separator + 1));
}

std::wstring ExtendedLengthPath(std::wstring_view fullPath) {
    if (fullPath.starts_with(L"\\\\?\\")) return std::wstring(fullPath);
    if (fullPath.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + std::wstring(fullPath.substr(2));
    return L"\\\\?\\" + std::wstring(fullPath);
}
