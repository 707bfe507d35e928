#include "app/document/startup_rules.h"

#include <algorithm>

std::wstring CommandTailOf(std::wstring_view commandLine) {
    std::size_t position = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const std::size_t closing = commandLine.find(L'"', 1);
        position = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
    } else {
        position = std::min(commandLine.find_first_of(L" \t"), commandLine.size());
    }
    position = std::min(commandLine.find_first_not_of(L" \t", position), commandLine.size());
    return std::wstring(commandLine.substr(position));
}

std::wstring WorkFilePathFromCommandTail(std::wstring_view tail) {
    std::wstring path(tail);
    path.erase(std::remove(path.begin(), path.end(), L'"'), path.end());
    return path;
}
