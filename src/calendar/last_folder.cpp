#include "calendar/last_folder.h"

#include "platform/path_text.h"

namespace {

std::wstring LastFolder;

}  // namespace

void SetLastFolderFrom(std::wstring_view pathText) {
    LastFolder = FolderPart(TrimBlanks(pathText)).substr(0, LastFolderLength);
}

std::wstring LastFolderText() {
    return LastFolder;
}
