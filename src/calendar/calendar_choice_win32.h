#pragma once
// The calendar choice kept for the user between runs, in the user's registry settings, read by
// the program and by the exporter.

#include "calendar/calendar_choice.h"

// A missing, damaged or foreign value is no holidays, or no phases.
CalendarChoice LoadCalendarChoice();
// False when it could not be kept.
bool SaveCalendarChoice(const CalendarChoice& choice);
