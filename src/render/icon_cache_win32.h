#pragma once
// Icons loaded from their files, kept between draws by the rules of IconKeeper: the file's
// identity, size and last-write time are read at the first request of every draw.

#include <string>

#include "render/icon_keeper.h"
#include "render/sheet_icon_win32.h"

class IconCache {
  public:
    explicit IconCache(IconSurface surface);
    // Starts a draw: files are looked at again, and icons the previous draw did not use are
    // released.
    void BeginDraw() { Kept.BeginDraw(); }
    // The icon of the first of the path's places (IconFilePlaces) that holds one, at size x
    // size pixels; null when none does. A relative path is taken from the current directory at
    // the time of the request.
    const SheetIcon* Get(const std::wstring& path, int size);

  private:
    IconSurface Surface;
    std::wstring ProgramFile;
    IconKeeper<SheetIcon> Kept;
};
