#pragma once
// The day editor: a dialog on the day of one place of the month sheet.

#include <windows.h>

#include "calendar/month_sheet.h"
#include "editor/memorized_days.h"
#include "platform/dialog_memory.h"

// Builds the editor on the place, which must show a day of the sheet's month, and runs it until
// it closes. The editor stays above its owner window, which is not disabled: the rest of the
// program stays usable meanwhile. Changes go straight into the day; the caller redraws the sheet
// afterwards.
// "Memorizar" and "Olvidar" go to the memorized days given.
void OpenDayEditor(HWND owner, MonthSheet& sheet, GridPlace place, DialogMemory& memory,
                   MemorizedDays& memorized);
