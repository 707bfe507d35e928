// Writes work files saved by the program into the folder named on the command line: the seeds
// from which the fuzzer starts.

#include <cstdio>
#include <filesystem>
#include <string>

#include "persistence/work_file.h"
#include "unit/work_file_helpers.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path folder = argv[1];
    fs::create_directories(folder);

    int failures = 0;
    auto save = [&](const MonthSheet& sheet, const std::string& name) {
        if (!WriteWorkFile((folder / name).wstring(), sheet)) ++failures;
    };

    // Months that start on different weekdays and use five or six week rows.
    for (const auto& [year, month] : {std::pair{2024, 3}, {2021, 2}, {2026, 12}, {1, 1}})
        save(*work_file_test::DressedSheet(static_cast<std::int16_t>(year),
                                           static_cast<std::int16_t>(month)),
             "dressed_" + std::to_string(year) + "_" + std::to_string(month) + ".vrel");

    auto plain = std::make_unique<MonthSheet>();
    plain->Year = 2025;
    plain->Month = 6;
    save(*plain, "plain_2025_6.vrel");

    // A single record and an empty file, cut from a saved one.
    const auto whole = work_file_test::FileBytes(folder / "dressed_2024_3.vrel");
    work_file_test::WriteFileBytes(
        folder / "one_record.vrel",
        work_file_test::Bytes(whole.begin() + 10 * 2652, whole.begin() + 11 * 2652));
    work_file_test::WriteFileBytes(folder / "empty.vrel", {});

    // The saved one with every record naming its own place, as the writer gives it back.
    auto ownPlaces = whole;
    for (std::size_t k = 0; k < 49; ++k) {
        ownPlaces[2652 * k + 123] = static_cast<std::uint8_t>(k % 7);
        ownPlaces[2652 * k + 125] = static_cast<std::uint8_t>(k / 7);
    }
    work_file_test::WriteFileBytes(folder / "own_places.vrel", ownPlaces);

    if (failures) std::fprintf(stderr, "could not write %d seed files\n", failures);
    return failures ? 1 : 0;
}
