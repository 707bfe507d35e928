#pragma once
// This month's days on the sheet of a driven program, and the day editor a click on one opens.

#include <windows.h>

#include <string>

#include "driver/program_driver.h"

namespace e2e {

struct DayPlace {
    int Column;
    int Row;
};
// Where a day of this month stands in the grid; {-1, -1} for a day it does not have.
DayPlace PlaceOfDay(int day);
// The editor's caption for a day of this month: "05/03/2024".
std::wstring EditorCaption(int day);
// A left click in the middle of the day's box in the sheet view.
void ClickOnDay(Program& program, DayPlace place);
// Opens the editor on a day of this month by a click on its box; the editor, or null.
HWND OpenEditorOnDay(Program& program, int day);

bool Ticked(HWND editor, int id);
// Clicks a check box and waits until the click has been handled.
bool Toggle(HWND editor, int id);
// Waits until the window is gone or hidden.
bool Closed(HWND window);
// What Alt+F4 makes of it: the system's close command; what the editor's boxes hold stays.
bool CloseAsAltF4(HWND editor);

}  // namespace e2e
