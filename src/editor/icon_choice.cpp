#include "editor/icon_choice.h"

#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/path_text.h"

std::wstring PrepareIconChoice(DialogMemory& memory) {
    memory.FollowPath(Cp1252ToWide(memory.ChosenIconPath));
    return memory.LastFolder;
}

void TakeIconChoice(DialogMemory& memory, std::string_view chosenPath) {
    memory.ChosenIconPath = TrimBlanks(chosenPath);
    memory.FollowPath(Cp1252ToWide(memory.ChosenIconPath));
}

bool IconPathStorable(std::wstring_view chosenPath) {
    const std::wstring path = TrimBlanks(chosenPath);
    return path.size() <= IconPathLimit && Cp1252ToWide(WideToCp1252(path)) == path;
}

bool StoreIconChoice(DayIcon& icon, const DialogMemory& memory) {
    if (!FileExists(Cp1252ToWide(memory.ChosenIconPath))) return false;
    icon.Path = memory.ChosenIconPath;
    icon.Path.resize(IconPathLimit, ' ');
    return true;
}
