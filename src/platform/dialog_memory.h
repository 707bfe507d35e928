#pragma once
// What the program's dialogs remember from one use to the next, for the whole run: the folder
// the next file dialog opens in, the icon file chosen last and the colour chooser's custom
// colours. The program state owns the one DialogMemory and hands it to every dialog.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// LastFolder holds at most this many characters.
inline constexpr std::size_t LastFolderLength = 254;

struct DialogMemory {
    // Empty, as at program start: the process's current directory. The work-file dialogs and the
    // icon chooser share it; each sets it from its own path right before it opens its dialog.
    std::wstring LastFolder;
    // Windows-1252, without surrounding blanks; empty at program start and after a cancelled
    // choice. The nine "Icono" buttons of every day share it.
    std::string ChosenIconPath;
    // 0x00BBGGRR each, black at program start; shared by every day.
    std::array<std::uint32_t, 16> CustomColors{};

    // LastFolder becomes the folder part (FolderOf) of the path text without its leading and
    // trailing blanks, cut to LastFolderLength characters; empty for a path longer than 260
    // characters.
    void FollowPath(std::wstring_view pathText);
};
