#pragma once
// The line of the "Calendario" dialog that says for which years the official holidays are known.

#include <cstdint>
#include <string>
#include <vector>

// "Lista oficial del BOE: 2025 y 2026. ..." for the years in order.
std::wstring ListedYearsLine(const std::vector<std::int16_t>& years);
