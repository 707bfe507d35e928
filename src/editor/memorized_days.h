#pragma once
// The memorized dates as the day editor reaches them: the program keeps them for the user, so
// the editor's "Memorizar" and "Olvidar" go through this.

#include <cstdint>

#include "calendar/month_sheet.h"

class MemorizedDays {
  public:
    virtual ~MemorizedDays() = default;
    virtual bool IsMemorized(std::int16_t month, std::int16_t dayOfMonth) const = 0;
    // False when it could not be kept.
    virtual bool Memorize(std::int16_t month, std::int16_t dayOfMonth, const Day& dressing) = 0;
    virtual bool Forget(std::int16_t month, std::int16_t dayOfMonth) = 0;
};

// The button's text: "Memorizar" for a day not memorized, "Olvidar" for one that is.
inline const wchar_t* MemorizeButtonText(bool memorized) {
    return memorized ? L"Olvidar" : L"Memorizar";
}
