#include "render/icon_places.h"

#include "platform/path_text.h"

std::vector<std::wstring> IconFilePlaces(std::wstring_view storedPath,
                                         std::wstring_view programFile) {
    std::vector<std::wstring> places = {std::wstring(storedPath)};
    const std::wstring programFolder = FolderOf(programFile);
    if (!storedPath.empty() && FolderOf(storedPath).empty() && !programFolder.empty())
        places.push_back(programFolder + std::wstring(storedPath));
    return places;
}
