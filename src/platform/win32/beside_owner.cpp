#include "platform/win32/beside_owner.h"

namespace {
constexpr int OffsetFromOwner = 30;
}

void PlaceBesideOwner(HWND dialog, HWND owner) {
    RECT ownerRect{};
    if (owner && GetWindowRect(owner, &ownerRect))
        SetWindowPos(dialog, nullptr, ownerRect.left + OffsetFromOwner,
                     ownerRect.top + OffsetFromOwner, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
