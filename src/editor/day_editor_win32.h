#pragma once
// The day editor: a dialog on one day of the month sheet, the cell that the sheet's
// SelectedColumn and SelectedRow name when it opens.

#include <windows.h>

#include "calendar/month_sheet.h"

// Builds the editor and runs it until it closes. The editor stays above its owner window, which
// is not disabled: the rest of the program stays usable meanwhile. Changes go straight into the
// cell; the caller redraws the sheet afterwards. A selection outside 0..7 opens nothing.
void OpenDayEditor(HWND owner, MonthSheet& sheet);
