#include "calendar/last_folder.h"

#include "platform/path_text.h"

namespace {

std::wstring LastFolder;

}  // namespace

void SetLastFolderFrom(std::wstring_view pathText) {
    constexpr std::size_t LongestPath = 260;  // the file dialogs' MAX_PATH
    const std::wstring path = TrimBlanks(pathText);
    LastFolder = path.size() > LongestPath ? L"" : FolderOf(path).substr(0, LastFolderLength);
}

std::wstring LastFolderText() {
    return LastFolder;
}
