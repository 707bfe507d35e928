#pragma once
// When the icon cache keeps a loaded icon and when it loads it again. Loading an icon file is
// the slow step of a redraw, so an icon is kept between draws together with its file's stamp,
// and the stamp is read again at the first request of every draw: a file that changed, was
// replaced by another (even one of the same size and time), appeared or vanished is seen at the
// next draw, exactly as if it had been loaded afresh. A failed load is never kept beyond the
// draw it happened in, so a file that could not be read for a moment shows at the next draw.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

// What tells one state of a file from another: which file it is (its volume and its index on
// that volume, so a replacement by a new file is seen), its size and its last-write time.
struct FileStamp {
    std::uint32_t VolumeSerial = 0;
    std::uint64_t FileIndex = 0;
    std::uint64_t Size = 0;
    std::uint64_t LastWrite = 0;
    bool operator==(const FileStamp&) const = default;
};

template <typename Icon>
class IconKeeper {
  public:
    using Key = std::pair<std::wstring, int>;  // the file's full path, the size in pixels

    // Starts a draw: icons the previous draw did not use are released.
    void BeginDraw() {
        std::erase_if(Entries,
                      [this](const auto& entry) { return entry.second.CheckedIn != Draw; });
        ++Draw;
    }

    // The icon for the key: `readStamp()` gives the file's stamp now (none when the file cannot
    // be opened), `load()` the icon (null when the file holds none). Each is called at most
    // once per key and draw; null when there is no icon to draw.
    template <typename ReadStamp, typename Load>
    const Icon* Get(const Key& key, ReadStamp readStamp, Load load) {
        auto found = Entries.find(key);
        if (found != Entries.end() && found->second.CheckedIn == Draw)
            return found->second.Kept.get();
        const std::optional<FileStamp> stamp = readStamp();
        if (!stamp) {
            if (found != Entries.end()) Entries.erase(found);
            return nullptr;
        }
        if (found == Entries.end() || !found->second.Kept || found->second.Stamp != *stamp)
            found = Entries.insert_or_assign(key, Entry{load(), *stamp, 0}).first;
        found->second.CheckedIn = Draw;
        return found->second.Kept.get();
    }

  private:
    struct Entry {
        std::unique_ptr<Icon> Kept;  // null: the load failed in this draw
        FileStamp Stamp;
        unsigned CheckedIn = 0;  // the draw that last read the stamp
    };
    std::map<Key, Entry> Entries;
    unsigned Draw = 1;
};
