// Writes the sample icon files into a folder, or with --check tells whether the files in that
// folder are exactly what the pictures give.
//   make_sample_icons <folder>
//   make_sample_icons --check <folder>

#include "icon_files.h"

int main(int argc, char** argv) {
    return WriteOrCheckIconFiles(argc, argv, DrawSampleIcons());
}
