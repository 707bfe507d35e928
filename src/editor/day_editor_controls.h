#pragma once
// The day editor's controls: identifiers, what each one edits, and the dialog's layout in
// creation order (which is also the tab order). Positions and sizes are client pixels.

#include <algorithm>
#include <array>
#include <cstddef>

#include "calendar/month_sheet.h"
#include "platform/control_layout.h"

inline constexpr int DayGroupId = 4001;
inline constexpr std::array<int, 5> NumberBoxIds = {4002, 4003, 4004, 4005, 4006};
inline constexpr int TextGroupId = 4007;
// Index 0 is text line 1.
inline constexpr std::array<int, TextLineCount> TextBoxIds = {4008, 4014, 4019, 4024, 4029};
inline constexpr std::array<int, TextLineCount> SaintBoxIds = {4009, 4013, 4018, 4023, 4028};
inline constexpr std::array<int, TextLineCount> LineEditIds = {4010, 4015, 4020, 4025, 4030};
inline constexpr std::array<int, TextLineCount> SwatchIds = {4011, 4016, 4021, 4026, 4031};
inline constexpr std::array<int, TextLineCount> ColorButtonIds = {4012, 4017, 4022, 4027, 4032};
inline constexpr int IconGroupId = 4033;
// Index 0 is icon position 1 (upper left), row by row.
inline constexpr std::array<int, IconCount> IconBoxIds = {4034, 4040, 4042, 4045, 4048,
                                                          4051, 4054, 4057, 4060};
inline constexpr std::array<int, IconCount> PreviewIds = {4036, 4039, 4043, 4046, 4049,
                                                          4052, 4055, 4058, 4061};
inline constexpr std::array<int, IconCount> IconButtonIds = {4037, 4041, 4044, 4047, 4050,
                                                             4053, 4056, 4059, 4062};
inline constexpr int ExitButtonId = 4063;
inline constexpr int ActionGroupId = 4064;
inline constexpr int ResetButtonId = 4065;
inline constexpr int LockButtonId = 4066;
inline constexpr int MemorizeButtonId = 4067;
inline constexpr int NoticeId = 4068;

// The place of an identifier in one of the lists above (the line or position), or -1.
template <std::size_t N>
int IndexOfId(const std::array<int, N>& ids, int id) {
    const auto found = std::find(ids.begin(), ids.end(), id);
    return found == ids.end() ? -1 : static_cast<int>(found - ids.begin());
}

inline constexpr std::size_t DayEditorControlCount = 66;
extern const std::array<ControlLayout, DayEditorControlCount> DayEditorControls;

inline constexpr int DayEditorClientWidth = 770;
inline constexpr int DayEditorClientHeight = 632;

// The fixed notice at the bottom right, written in navy.
inline constexpr const wchar_t* DayEditorNotice =
    L"Este dialogo solo afecta al d\u00EDa "
    L"elegido. Para modificar cada d\u00EDa, hay que hacerlo uno a uno, "
    L"clickeando en cada uno de ellos.";
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

// The 24 check boxes, in creation order.
inline constexpr std::size_t CheckBoxCount = 24;
std::array<int, CheckBoxCount> AllCheckBoxIds();
