#include "platform/last_folder.h"

#include "platform/path_text.h"
#include "platform/text_slot.h"

char LastFolder[LastFolderSize] = {};

void SetLastFolderFrom(std::string_view pathText) {
    AssignSlot(LastFolder, FolderPart(TrimBlanks(pathText)));
}

std::string LastFolderText() {
    return ReadSlot(LastFolder);
}
