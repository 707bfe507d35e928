#include "calendar/saints_table.h"

#include "calendar/text_slot.h"

SaintsTableSlots SaintsTable{};

void BuildSaintsTable() {
    SaintsTable = {};
    for (const SaintEntry& entry : SaintsData)
        AssignSlot(SaintsTable.Slots[entry.Month][entry.Day], entry.Text);
}

std::string SaintOfDay(int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return {};
    return ReadSlot(SaintsTable.Slots[month][day]);
}
