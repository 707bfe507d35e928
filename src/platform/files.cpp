#include "platform/files.h"

#include "platform/path_text.h"

PathState StateOfPath(std::wstring_view path) {
    const std::wstring trimmed = TrimBlanks(path);
    if (trimmed.empty()) return PathState::Missing;
    return SystemPathState(trimmed);
}

bool FileExists(std::wstring_view path) {
    return StateOfPath(path) == PathState::Present;
}

bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) return false;
    ReplacementFile file;
    return file.Create(path) && file.Write(bytes.data(), bytes.size()) && file.Commit();
}
