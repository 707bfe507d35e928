#pragma once
// Where the places of the day grid stand, in pixels of the 96-dpi sheet: boxes of 159 x 102
// pixels, one pixel apart, the grid starting at (1, 35). The drawing puts the boxes there, a
// click finds its place by them, and a work file stores every shown day's box.

namespace GridLayout {
inline constexpr int BoxWidth = 159;
inline constexpr int BoxHeight = 102;
inline constexpr int Gap = 1;
inline constexpr int OriginX = 1;
inline constexpr int OriginY = 35;
}  // namespace GridLayout
