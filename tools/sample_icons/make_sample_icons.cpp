// Writes the program's sample icon files into a folder, or with --check tells whether the files
// in that folder are exactly what the pictures give (so the committed icons never drift).
//   make_sample_icons <folder>
//   make_sample_icons --check <folder>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pictures.h"
#include "support/ico_writer.h"

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::string(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: make_sample_icons [--check] <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[argc - 1];
    if (!check) std::filesystem::create_directories(folder);
    int status = 0;
    for (const SampleIcon& icon : DrawSampleIcons()) {
        const auto pixel = [&icon](int x, int y) { return icon.Pixels[y * SampleIconSize + x]; };
        const std::filesystem::path path = folder / icon.FileName;
        if (!check) {
            if (!WriteIcoFile(path, SampleIconSize, SampleIconSize, pixel)) {
                std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
                status = 1;
            }
            continue;
        }
        std::ifstream file(path, std::ios::binary);
        const std::vector<char> stored{std::istreambuf_iterator<char>(file), {}};
        const auto expected = IcoFileBytes(SampleIconSize, SampleIconSize, pixel);
        if (!std::equal(stored.begin(), stored.end(), expected.begin(), expected.end(),
                        [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; })) {
            std::fprintf(stderr, "%s differs from its picture: run make_sample_icons %s\n",
                         path.string().c_str(), folder.string().c_str());
            status = 1;
        }
    }
    return status;
}
