#include "platform/dialog_memory.h"

#include "platform/path_text.h"

void DialogMemory::FollowPath(std::wstring_view pathText) {
    constexpr std::size_t LongestPath = 260;  // the file dialogs' MAX_PATH
    const std::wstring path = TrimBlanks(pathText);
    LastFolder = path.size() > LongestPath ? L"" : FolderOf(path).substr(0, LastFolderLength);
}
