#include "platform/win32/beside_owner.h"

#include "platform/win32/monitor_area.h"
#include "platform/window_place.h"

namespace {
constexpr int OffsetFromOwner = 30;  // at 96 dpi
}

void PlaceBesideOwner(HWND dialog, HWND owner) {
    RECT ownerRect{}, own{};
    if (!owner || !GetWindowRect(owner, &ownerRect) || !GetWindowRect(dialog, &own)) return;
    const int offset = LengthAtDpi(OffsetFromOwner, static_cast<int>(GetDpiForWindow(owner)));
    const PixelBox place = MoveIntoWorkArea({ownerRect.left + offset, ownerRect.top + offset,
                                             own.right - own.left, own.bottom - own.top},
                                            MonitorAreaOf(owner).Work);
    SetWindowPos(dialog, nullptr, place.Left, place.Top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
