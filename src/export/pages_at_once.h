#pragma once
// How many pages almanaque-exportar makes at once: one per processor, but never more than the
// physical memory free at the start of the run holds at a page writer's peak, and always one at
// least. A page writer holds at its peak the page's canvas (4 bytes a pixel), the pixels read out
// of it (4 bytes a pixel) and the encoded file (at most 3 bytes a pixel, the uncompressed 24-bit
// bitmap): 11 bytes a pixel, about 383 MB for a 600-dpi page of 7012 x 4962 pixels.

#include <cstdint>
#include <limits>

// What the machine offers a run.
struct MachineCapacity {
    unsigned Processors = 1;
    std::uint64_t FreeMemoryBytes = std::numeric_limits<std::uint64_t>::max();
};

unsigned PagesAtOnce(const MachineCapacity& machine, int dotsPerInch);
