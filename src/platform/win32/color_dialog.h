#pragma once
// The system's colour chooser as the program uses it: fully opened, starting from a given
// colour, with custom colours that the caller keeps, and beside its owner (PlaceBesideOwner).

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>

// Sixteen colours 0x00BBGGRR, as COLORREF holds them.
using CustomColorSet = std::array<std::uint32_t, 16>;

// The confirmed colour, or nothing when the user closed the chooser without confirming. The
// custom colours the user set in the chooser are kept in `custom` either way.
std::optional<COLORREF> PickColor(HWND owner, COLORREF initial, CustomColorSet& custom);
