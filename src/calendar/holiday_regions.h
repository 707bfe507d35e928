#pragma once
// The holidays a new sheet can start with, in the order a Spanish reader expects: none, the
// national ones only, or those of one autonomous community or city. A key names the choice in
// the registry and on the exporter's command line; the name is what the user reads.

#include <array>
#include <optional>
#include <span>
#include <string_view>

struct HolidayRegion {
    std::string_view Key;
    std::wstring_view Name;
    bool operator==(const HolidayRegion&) const = default;
};

inline constexpr HolidayRegion NoHolidays{"ninguno", L"Ninguno"};
inline constexpr HolidayRegion NationalHolidays{"nacional", L"Solo fiestas nacionales"};

inline constexpr std::array<HolidayRegion, 21> HolidayRegions{{
    NoHolidays,
    NationalHolidays,
    {"andalucia", L"Andaluc\u00EDa"},
    {"aragon", L"Arag\u00F3n"},
    {"asturias", L"Principado de Asturias"},
    {"baleares", L"Illes Balears"},
    {"canarias", L"Canarias"},
    {"cantabria", L"Cantabria"},
    {"castilla-la-mancha", L"Castilla-La Mancha"},
    {"castilla-y-leon", L"Castilla y Le\u00F3n"},
    {"cataluna", L"Catalu\u00F1a"},
    {"ceuta", L"Ceuta"},
    {"valencia", L"Comunitat Valenciana"},
    {"extremadura", L"Extremadura"},
    {"galicia", L"Galicia"},
    {"madrid", L"Comunidad de Madrid"},
    {"melilla", L"Melilla"},
    {"murcia", L"Regi\u00F3n de Murcia"},
    {"navarra", L"Comunidad Foral de Navarra"},
    {"pais-vasco", L"Pa\u00EDs Vasco"},
    {"la-rioja", L"La Rioja"},
}};

// Every choice after the first two is a community (or city) with holidays of its own.
inline constexpr std::span<const HolidayRegion> Communities = std::span(HolidayRegions).subspan(2);

// The choice whose key is exactly `key`; none for any other text.
std::optional<HolidayRegion> FindHolidayRegion(std::string_view key);
