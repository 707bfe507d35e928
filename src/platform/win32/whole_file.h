#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Creates or replaces the file with exactly these bytes, through a replacement that takes the
// file's place only once complete: on any failure the file keeps its old bytes and no partial
// file is left. Nothing to write is a failure. True when every byte was written.
bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes);
