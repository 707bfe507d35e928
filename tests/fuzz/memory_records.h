#pragma once
// A fuzz input as the records of a work file.

#include <cstdint>
#include <cstring>

#include "persistence/work_file.h"

class MemoryRecords : public RecordSource {
  public:
    MemoryRecords(const std::uint8_t* data, std::size_t size) : Data(data), Size(size) {}
    bool Length(std::uint64_t& bytes) override {
        bytes = Size;
        return true;
    }
    bool Next(DayRecord& record) override {
        if (Size - Offset < record.size()) return false;
        std::memcpy(record.data(), Data + Offset, record.size());
        Offset += record.size();
        return true;
    }

  private:
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t Offset = 0;
};
