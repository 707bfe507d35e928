#include "editor/icon_choice.h"

#include "calendar/last_folder.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/path_text.h"

PathField IconChoicePath = {};

std::wstring PrepareFileChoice(const PathField& slot) {
    SetLastFolderFrom(Cp1252ToWide(PathFieldText(slot)));
    return LastFolderText();
}

void TakeFileChoice(PathField& slot, std::string_view chosenPath) {
    AssignPathField(slot, chosenPath);
    AssignPathField(slot, PathFieldText(slot));
    SetLastFolderFrom(Cp1252ToWide(PathFieldText(slot)));
}

bool IconPathStorable(std::wstring_view chosenPath) {
    const std::wstring path = TrimBlanks(chosenPath);
    return path.size() < sizeof(DayCell::IconPath[0]) && Cp1252ToWide(WideToCp1252(path)) == path;
}

bool StoreIconChoice(DayCell& cell, int position, const PathField& slot) {
    if (!FileExists(Cp1252ToWide(PathFieldText(slot)))) return false;
    AssignSlot(cell.IconPath[position], std::string_view(slot, PathFieldLength));
    return true;
}
