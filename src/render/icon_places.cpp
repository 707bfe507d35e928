#include "render/icon_places.h"

std::vector<std::wstring> IconFilePlaces(std::wstring_view storedPath,
                                         std::wstring_view programFile) {
    std::vector<std::wstring> places = {std::wstring(storedPath)};
    const bool bareName = storedPath.find_first_of(L"\\/:") == std::wstring_view::npos;
    const std::size_t folderEnd = programFile.find_last_of(L"\\/");
    if (bareName && !storedPath.empty() && folderEnd != std::wstring_view::npos)
        places.push_back(std::wstring(programFile.substr(0, folderEnd + 1)) +
                         std::wstring(storedPath));
    return places;
}
