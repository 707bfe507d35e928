#include "export/pages_at_once.h"

#include <algorithm>

#include "render/sheet_scale.h"

namespace {

constexpr std::uint64_t PeakBytesPerPixel = 4 + 4 + 3;

std::uint64_t PageWriterPeakBytes(int dotsPerInch) {
    const SheetScale page(dotsPerInch);
    return static_cast<std::uint64_t>(page.PageWidth()) * page.PageHeight() * PeakBytesPerPixel;
}

}  // namespace

unsigned PagesAtOnce(const MachineCapacity& machine, int dotsPerInch) {
    const std::uint64_t fitting =
        machine.FreeMemoryBytes / std::max<std::uint64_t>(PageWriterPeakBytes(dotsPerInch), 1);
    return static_cast<unsigned>(
        std::max<std::uint64_t>(std::min<std::uint64_t>(machine.Processors, fitting), 1));
}
