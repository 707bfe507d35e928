// Writes the icon files of the moon's phases into a folder, or with --check tells whether the
// files in that folder are exactly what the drawing gives.
//   make_moon_icons <folder>
//   make_moon_icons --check <folder>

#include "icon_files.h"

int main(int argc, char** argv) {
    return WriteOrCheckIconFiles(argc, argv, DrawMoonIcons());
}
