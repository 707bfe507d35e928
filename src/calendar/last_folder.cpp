#include "calendar/last_folder.h"

#include "calendar/text_slot.h"
#include "platform/path_text.h"

char LastFolder[LastFolderSize] = {};

void SetLastFolderFrom(std::string_view pathText) {
    AssignSlot(LastFolder, FolderPart(TrimBlanks(pathText)));
}

std::string LastFolderText() {
    return ReadSlot(LastFolder);
}
