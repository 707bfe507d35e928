#pragma once
// A fully dressed month sheet for the benchmarks: the heaviest sheet a user can make.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "calendar/month_sheet.h"
#include "platform/cp1252.h"
#include "support/ico_writer.h"

// Nine small icons of different shapes, with transparent parts, 32 x 32 like most icon files.
inline std::vector<std::string> WriteBenchmarkIcons(const std::filesystem::path& folder) {
    const std::uint32_t colors[9] = {0xD03030, 0x30A040, 0x3050D0, 0xE0A020, 0x9040C0,
                                     0x20A0B0, 0xE06010, 0x606060, 0xC02080};
    std::vector<std::string> paths;
    for (int k = 0; k < 9; ++k) {
        const std::filesystem::path path = folder / ("icono" + std::to_string(k + 1) + ".ico");
        const std::uint32_t color = 0xFF000000u | colors[k];
        WriteIcoFile(path, 32, 32, [k, color](int x, int y) -> std::uint32_t {
            const int dx = x - 16, dy = y - 16;
            switch (k % 3) {
                case 0:  // disc
                    return dx * dx + dy * dy <= 196 ? color : 0;
                case 1:  // diamond
                    return std::abs(dx) + std::abs(dy) <= 14 ? color : 0;
                default:  // framed square
                    return (x >= 3 && x < 29 && y >= 3 && y < 29)
                               ? (x < 6 || x >= 26 || y < 6 || y >= 26 ? 0xFF202020u : color)
                               : 0;
            }
        });
        paths.push_back(WideToCp1252(path.wstring()));
    }
    return paths;
}

// Every day of the sheet with the nine icons, five text lines (two of them saints) and the day
// number at all five places.
inline void DressFully(MonthSheet& sheet, const std::vector<std::string>& icons) {
    const char* texts[5] = {"Reunion de vecinos 1", "", "Cumplea\xF1os de Ana", "",
                            "Recoger el pedido 20"};
    const Color colors[5] = {0x00800000, 0x00006000, 0x000000A0, 0x00606000, 0x00404040};
    for (int column = 0; column < GridSize; ++column)
        for (int row = 1; row < GridSize; ++row) {
            Day& day = sheet.Cell(column, row);
            for (int k = 0; k < IconCount; ++k) day.Icons[k] = {Flag::On, icons[k]};
            for (int line = 0; line < TextLineCount; ++line) {
                const bool saint = line == 1 || line == 3;
                day.Lines[line] = {saint ? Flag::Off : Flag::On, saint ? Flag::On : Flag::Off,
                                   texts[line], colors[line]};
            }
            day.Numbers = {Flag::On, Flag::On, Flag::On, Flag::On, Flag::On};
        }
}
