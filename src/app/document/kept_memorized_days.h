#pragma once
// The user's memorized dates as the day editor and the new sheets reach them: read from their
// file at every use, as another copy of the program may have changed them, and written back at
// once. Memorizing or forgetting a date changes no sheet.

#include "editor/memorized_days.h"
#include "persistence/memorized_file.h"

class KeptMemorizedDays final : public MemorizedDays {
  public:
    explicit KeptMemorizedDays(MemorizedDatesFile file) : File(std::move(file)) {}

    MemorizedDatesFile::Loaded Load() const { return File.Load(); }
    bool IsMemorized(std::int16_t month, std::int16_t dayOfMonth) const override;
    bool Memorize(std::int16_t month, std::int16_t dayOfMonth, const Day& dressing) override;
    bool Forget(std::int16_t month, std::int16_t dayOfMonth) override;

  private:
    MemorizedDatesFile File;
};
