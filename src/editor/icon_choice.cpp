#include "editor/icon_choice.h"

#include <cstring>

#include "calendar/last_folder.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/path_text.h"

PathField IconChoicePath = {};

std::string ChoiceSlotText(const PathField& slot) {
    const void* zero = std::memchr(slot, '\0', PathFieldLength);
    const std::size_t length =
        zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - slot) : PathFieldLength;
    return TrimBlanks(std::string_view(slot, length));
}

std::wstring PrepareFileChoice(const PathField& slot) {
    SetLastFolderFrom(Cp1252ToWide(ChoiceSlotText(slot)));
    return LastFolderText();
}

void TakeFileChoice(PathField& slot, std::string_view chosenPath) {
    AssignPathField(slot, chosenPath);
    AssignPathField(slot, ChoiceSlotText(slot));
    SetLastFolderFrom(Cp1252ToWide(ChoiceSlotText(slot)));
}

bool IconPathStorable(std::wstring_view chosenPath) {
    const std::wstring path = TrimBlanks(chosenPath);
    return path.size() < sizeof(DayCell::IconPath[0]) && Cp1252ToWide(WideToCp1252(path)) == path;
}

bool StoreIconChoice(DayCell& cell, int position, const PathField& slot) {
    if (!FileExists(Cp1252ToWide(ChoiceSlotText(slot)))) return false;
    AssignSlot(cell.IconPath[position], std::string_view(slot, PathFieldLength));
    return true;
}
