#pragma once
// The user's memorized dates in one file of work-file day records, one a date: each record holds
// the date's dressing, stamped with its month and its place in a leap year (so that 29 February
// has one), and is read back as a work file's records are.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calendar/memorized_dates.h"

std::vector<std::uint8_t> EncodeMemorizedDates(const MemorizedDates& dates);
// None for bytes that are not whole records of dates.
std::optional<MemorizedDates> DecodeMemorizedDates(std::span<const std::uint8_t> bytes);

// The file in a folder of the user's (given with its closing separator; empty: none, and nothing
// is kept).
// What the user is told of a file that could not be read, set aside at that path (empty:
// removed).
std::wstring DamagedMemorizedDatesMessage(const std::wstring& setAsidePath);

class MemorizedDatesFile {
  public:
    explicit MemorizedDatesFile(std::wstring folder);

    struct Loaded {
        MemorizedDates Dates;
        // A file that could not be read was set aside there (empty: removed); none: read, or
        // no file.
        std::optional<std::wstring> SetAside;
    };
    // A missing file is no date memorized; one that cannot be read is set aside under another
    // name, so that it is told of once, and gives none.
    Loaded Load() const;
    // Through the replacing writer: false, with the old file as it was, when it failed.
    bool Save(const MemorizedDates& dates) const;

    const std::wstring& Path() const { return File; }

  private:
    std::wstring Folder;
    std::wstring File;
};
