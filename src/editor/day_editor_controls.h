#pragma once
// The day editor's controls: their identifiers, each written once, what each one edits and
// what a command from it asks for. The identifiers ascend in creation order (which is also the
// tab order); the layout is in day_editor_layout.h.

#include <algorithm>
#include <array>
#include <cstddef>

#include "calendar/month_sheet.h"
#include "platform/control_layout.h"

inline constexpr int DayGroupId = 4001;
// In the order of the number places: top left, top right, bottom left, bottom right, centre.
inline constexpr std::array NumberBoxIds = {4002, 4003, 4004, 4005, 4006};
inline constexpr int TextGroupId = 4007;
// Index 0 is text line 1.
inline constexpr std::array TextBoxIds = {4008, 4014, 4019, 4024, 4029};
inline constexpr std::array SaintBoxIds = {4009, 4013, 4018, 4023, 4028};
inline constexpr std::array LineEditIds = {4010, 4015, 4020, 4025, 4030};
inline constexpr std::array SwatchIds = {4011, 4016, 4021, 4026, 4031};
inline constexpr std::array ColorButtonIds = {4012, 4017, 4022, 4027, 4032};
inline constexpr int IconGroupId = 4033;
// Index 0 is icon position 1 (upper left), row by row.
inline constexpr std::array IconBoxIds = {4034, 4040, 4042, 4045, 4048, 4051, 4054, 4057, 4060};
inline constexpr std::array PreviewIds = {4036, 4039, 4043, 4046, 4049, 4052, 4055, 4058, 4061};
inline constexpr std::array IconButtonIds = {4037, 4041, 4044, 4047, 4050, 4053, 4056, 4059, 4062};
inline constexpr int ExitButtonId = 4063;
inline constexpr int ActionGroupId = 4064;
inline constexpr int ResetButtonId = 4065;
inline constexpr int LockButtonId = 4066;
inline constexpr int MemorizeButtonId = 4067;
inline constexpr int NoticeId = 4068;

static_assert(TextBoxIds.size() == TextLineCount && SaintBoxIds.size() == TextLineCount &&
              LineEditIds.size() == TextLineCount && SwatchIds.size() == TextLineCount &&
              ColorButtonIds.size() == TextLineCount);
static_assert(IconBoxIds.size() == IconCount && PreviewIds.size() == IconCount &&
              IconButtonIds.size() == IconCount);

// The flag each number box shows and sets, in the order of NumberBoxIds.
inline constexpr std::array<Flag NumberPlaces::*, NumberBoxIds.size()> NumberBoxFlags = {
    &NumberPlaces::TopLeft, &NumberPlaces::TopRight, &NumberPlaces::BottomLeft,
    &NumberPlaces::BottomRight, &NumberPlaces::Centre};

// The place of an identifier in one of the lists above (the line or position), or -1.
template <std::size_t N>
constexpr int IndexOfId(const std::array<int, N>& ids, int id) {
    const auto found = std::find(ids.begin(), ids.end(), id);
    return found == ids.end() ? -1 : static_cast<int>(found - ids.begin());
}

// The check boxes, in creation order.
inline constexpr auto AllCheckBoxIds = [] {
    std::array<int,
               NumberBoxIds.size() + TextBoxIds.size() + SaintBoxIds.size() + IconBoxIds.size()>
        ids{};
    auto next = std::copy(NumberBoxIds.begin(), NumberBoxIds.end(), ids.begin());
    next = std::copy(TextBoxIds.begin(), TextBoxIds.end(), next);
    next = std::copy(SaintBoxIds.begin(), SaintBoxIds.end(), next);
    std::copy(IconBoxIds.begin(), IconBoxIds.end(), next);
    std::sort(ids.begin(), ids.end());
    return ids;
}();

// The notice at the bottom right is written in navy.
inline constexpr Color NoticeColor = 0x00800000;
// Swatches are white until the editor has started and shows each line's colour.
inline constexpr Color SwatchColorAtBuild = White;
// The colour chooser always starts from mid grey, whatever the line's colour is.
inline constexpr Color ColorChooserStart = 0x00808080;
// The pause after "Salir", in milliseconds.
inline constexpr unsigned ExitPauseMilliseconds = 1000;

// Icon previews: the icon is drawn at this size with its corner at (1, 1) of the picture.
inline constexpr int PreviewIconSize = 32;
inline constexpr int PreviewIconOffset = 1;

// What a command from a control asks for. Push buttons act only when pressed (ButtonPressed);
// check boxes act on any notification; everything else does nothing.
enum class EditorCommand {
    None,
    TickBox,     // a check box: store its state (see DayEditorModel::TickBox)
    PickColor,   // Index: the line
    Memorize,    // "Memorizar" or "Olvidar"
    ChooseIcon,  // Index: the position
    Exit,        // "Salir"
    Reset,       // "Resetear"
};
struct EditorCommandRole {
    EditorCommand Command;
    int Index;
    bool operator==(const EditorCommandRole&) const = default;
};
EditorCommandRole RoleOfCommand(int controlId, int notification);
