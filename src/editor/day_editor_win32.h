#pragma once
// The day editor: a dialog on one day of the month sheet, the cell that the sheet's
// SelectedColumn and SelectedRow name when it opens.

#include "calendar/month_sheet.h"

// Builds the editor and runs it until it closes. The editor has no owner window, so the rest of the
// program stays usable meanwhile. Changes go straight into the cell; the caller redraws the sheet
// afterwards. A selection outside 0..7 opens nothing.
void OpenDayEditor(MonthSheet& sheet);
