#pragma once
// Icon files from drawn icons: written into a folder, or checked against the files there so that
// committed icons never drift from their drawing.

#include <vector>

#include "pictures.h"

// The whole of a drawing program: `<program> <folder>` writes the icons into the folder,
// `<program> --check <folder>` tells whether the files there are exactly the icons (their images
// as icon bitmaps, the 256-pixel one as a PNG). Returns the program's exit status.
int WriteOrCheckIconFiles(int argc, char** argv, const std::vector<DrawnIcon>& icons);
