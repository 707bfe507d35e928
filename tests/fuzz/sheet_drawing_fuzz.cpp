// Any bytes as a work file, then the sheet drawn from what was read: the drawing code meets every
// odd value a file can hold (texts filling their slots, colours, flags, font names, icon paths)
// and must stay inside the sheet's memory, draw each day of the month exactly once and leave
// the document as it was.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "calendar/calendar_arithmetic.h"
#include "fuzz/memory_records.h"
#include "platform/clock.h"
#include "render/draw_month_sheet.h"
#include "unit/recording_canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto sheet = std::make_unique<MonthSheet>();
    sheet->Year = 2026;
    sheet->Month = 12;
    ResetCells(*sheet);
    MemoryRecords records(data, size);
    if (ReadWorkRecords(records, *sheet).Result != ReadResult::Replaced) return 0;

    const auto read = std::make_unique<MonthSheet>(*sheet);
    RecordingCanvas canvas;
    // The day of one of the seeds, so its highlight is drawn too.
    DrawMonthSheet(canvas, *sheet, LocalDate{2024, 3, 15});
    if (!(*sheet == *read)) std::abort();

    const MonthGrid grid = PlaceMonth(sheet->Year, sheet->Month);
    std::size_t days = 0;
    for (const auto& column : grid)
        days += static_cast<std::size_t>(
            std::count_if(column.begin(), column.end(), [](std::int16_t day) { return day != 0; }));
    const auto boxes =
        std::count_if(canvas.Calls.begin(), canvas.Calls.end(),
                      [](const std::string& call) { return call.starts_with("box "); });
    if (static_cast<std::size_t>(boxes) != days) std::abort();
    return 0;
}
