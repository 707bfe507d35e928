#pragma once
// The system's colour chooser as the program uses it: fully opened, starting from a given
// colour, with custom colours that the caller keeps, and beside its owner (PlaceBesideOwner).

#include <windows.h>

#include <optional>

using CustomColorSet = COLORREF[16];

// The confirmed colour, or nothing when the user closed the chooser without confirming.
std::optional<COLORREF> PickColor(HWND owner, COLORREF initial, CustomColorSet& custom);
