#pragma once
// Icons loaded from their files, kept between draws. Loading an icon file is the slow step of a
// redraw, so a loaded icon is kept together with its file's size and last-write time, and both
// are looked at again in every draw: a changed, new or removed file is seen at the next draw,
// exactly as if it had been loaded afresh.

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "render/sheet_icon_win32.h"

class IconCache {
  public:
    // Starts a draw: files are looked at again, and icons the previous draw did not use are
    // released.
    void BeginDraw();
    // The icon of the file at size x size pixels; null when the file is missing or holds no
    // icon. A relative path is taken from the current directory at the time of the request.
    const SheetIcon* Get(const std::wstring& path, int size);

  private:
    struct Entry {
        std::unique_ptr<SheetIcon> Icon;  // null: the file is not an icon
        ULONGLONG FileSize = 0;
        FILETIME LastWrite{};
        unsigned CheckedInDraw = 0;
    };
    std::map<std::pair<std::wstring, int>, Entry> Entries;
    unsigned Draw = 1;
};
