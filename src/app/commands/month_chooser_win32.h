#pragma once
// MonthChooser "Elige mes y año": a year box and the list of the twelve months. Picking a month
// stores it in the sheet at once; "Salir" stores the typed year and closes the chooser only on
// a year from 1 and a month 1..12. Runs modally, above its owner window, which stays usable;
// there is no cancel.

#include <windows.h>

#include "calendar/month_sheet.h"

void RunMonthChooser(HWND owner, MonthSheet& sheet);
