#pragma once
// MonthChooser "Elige mes y año": a year box and the list of the twelve months. "Salir" closes
// the chooser only on a typed year from 1 and a month 1..12: the month picked, or without one
// the month on show as it closes. Runs modally, above its owner window, which stays usable;
// there is no cancel.

#include <windows.h>

#include <cstdint>

#include "calendar/month_sheet.h"

struct ChosenMonth {
    std::int16_t Year;
    std::int16_t Month;
};

// The sheet on show is only read, as the chooser closes.
ChosenMonth RunMonthChooser(HWND owner, const MonthSheet& shown);
