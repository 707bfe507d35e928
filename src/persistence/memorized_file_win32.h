#pragma once
// Where the memorized dates are kept for the user: "%APPDATA%\Almanaque\", the roaming
// application data, which goes with the user to another machine of a roaming profile.

#include "persistence/memorized_file.h"

MemorizedDatesFile UsersMemorizedDates();
