#include "editor/day_editor_controls.h"

namespace {
using enum ControlKind;
constexpr const wchar_t* ColorText = L"Color";
constexpr const wchar_t* IconText = L"Icono";
}  // namespace

const std::array<ControlLayout, DayEditorControlCount> DayEditorControls = {{
    {.Id = 4001, .Kind = GroupBox, .Text = L"D\u00EDa del mes", .Box = {8, 8, 352, 152}},
    {.Id = 4002, .Kind = CheckBox, .Text = L"Esquina superior izquierda", .Box = {16, 32, 336, 24}},
    {.Id = 4003, .Kind = CheckBox, .Text = L"Esquina superior derecha", .Box = {16, 56, 336, 24}},
    {.Id = 4004, .Kind = CheckBox, .Text = L"Esquina inferior izquierda", .Box = {16, 80, 336, 24}},
    {.Id = 4005, .Kind = CheckBox, .Text = L"Esquina inferior derecha", .Box = {16, 104, 336, 24}},
    {.Id = 4006, .Kind = CheckBox, .Text = L"En el centro", .Box = {16, 128, 336, 24}},
    {.Id = 4007, .Kind = GroupBox, .Text = L"Texto", .Box = {8, 168, 352, 456}},
    {.Id = 4008, .Kind = CheckBox, .Text = L"Texto en l\u00EDnea 1", .Box = {16, 184, 328, 24}},
    {.Id = 4009, .Kind = CheckBox, .Text = L"Santoral en l\u00EDnea 1", .Box = {16, 208, 328, 24}},
    {.Id = 4010, .Kind = TextBox, .Box = {16, 232, 152, 32}},
    {.Id = 4011, .Kind = FramedPicture, .Box = {176, 232, 32, 32}},
    {.Id = 4012, .Kind = PushButton, .Text = ColorText, .Box = {216, 232, 40, 32}},
    {.Id = 4013, .Kind = CheckBox, .Text = L"Santoral en l\u00EDnea 2", .Box = {16, 296, 328, 24}},
    {.Id = 4014, .Kind = CheckBox, .Text = L"Texto en l\u00EDnea 2", .Box = {16, 272, 328, 24}},
    {.Id = 4015, .Kind = TextBox, .Box = {16, 320, 152, 32}},
    {.Id = 4016, .Kind = FramedPicture, .Box = {176, 320, 32, 32}},
    {.Id = 4017, .Kind = PushButton, .Text = ColorText, .Box = {216, 320, 40, 32}},
    {.Id = 4018, .Kind = CheckBox, .Text = L"Santoral en l\u00EDnea 3", .Box = {16, 384, 328, 24}},
    {.Id = 4019, .Kind = CheckBox, .Text = L"Texto en l\u00EDnea 3", .Box = {16, 360, 328, 24}},
    {.Id = 4020, .Kind = TextBox, .Box = {16, 408, 152, 32}},
    {.Id = 4021, .Kind = FramedPicture, .Box = {176, 408, 32, 32}},
    {.Id = 4022, .Kind = PushButton, .Text = ColorText, .Box = {216, 408, 40, 32}},
    {.Id = 4023, .Kind = CheckBox, .Text = L"Santoral en l\u00EDnea 4", .Box = {16, 472, 328, 24}},
    {.Id = 4024, .Kind = CheckBox, .Text = L"Texto en l\u00EDnea 4", .Box = {16, 448, 328, 24}},
    {.Id = 4025, .Kind = TextBox, .Box = {16, 496, 152, 32}},
    {.Id = 4026, .Kind = FramedPicture, .Box = {176, 496, 32, 32}},
    {.Id = 4027, .Kind = PushButton, .Text = ColorText, .Box = {216, 496, 40, 32}},
    {.Id = 4028, .Kind = CheckBox, .Text = L"Santoral en l\u00EDnea 5", .Box = {16, 560, 328, 24}},
    {.Id = 4029, .Kind = CheckBox, .Text = L"Texto en l\u00EDnea 5", .Box = {16, 536, 328, 24}},
    {.Id = 4030, .Kind = TextBox, .Box = {16, 584, 152, 32}},
    {.Id = 4031, .Kind = FramedPicture, .Box = {176, 584, 32, 32}},
    {.Id = 4032, .Kind = PushButton, .Text = ColorText, .Box = {216, 584, 40, 32}},
    {.Id = 4033, .Kind = GroupBox, .Text = L"Iconos", .Box = {368, 8, 392, 384}},
    {.Id = 4034, .Kind = CheckBox, .Text = L"Icono Arriba izquierda", .Box = {376, 32, 176, 24}},
    {.Id = 4036, .Kind = FramedPicture, .Box = {552, 24, 32, 32}},
    {.Id = 4037, .Kind = PushButton, .Text = IconText, .Box = {592, 24, 56, 32}},
    {.Id = 4039, .Kind = FramedPicture, .Box = {552, 64, 32, 32}},
    {.Id = 4040, .Kind = CheckBox, .Text = L"Icono Arriba centro", .Box = {376, 72, 176, 24}},
    {.Id = 4041, .Kind = PushButton, .Text = IconText, .Box = {592, 64, 56, 32}},
    {.Id = 4042, .Kind = CheckBox, .Text = L"Icono Arriba derecha", .Box = {376, 112, 176, 24}},
    {.Id = 4043, .Kind = FramedPicture, .Box = {552, 104, 32, 32}},
    {.Id = 4044, .Kind = PushButton, .Text = IconText, .Box = {592, 104, 56, 32}},
    {.Id = 4045, .Kind = CheckBox, .Text = L"Icono en medio izquierda", .Box = {376, 152, 176, 24}},
    {.Id = 4046, .Kind = FramedPicture, .Box = {552, 144, 32, 32}},
    {.Id = 4047, .Kind = PushButton, .Text = IconText, .Box = {592, 144, 56, 32}},
    {.Id = 4048, .Kind = CheckBox, .Text = L"Icono en medio centro", .Box = {376, 192, 176, 24}},
    {.Id = 4049, .Kind = FramedPicture, .Box = {552, 184, 32, 32}},
    {.Id = 4050, .Kind = PushButton, .Text = IconText, .Box = {592, 184, 56, 32}},
    {.Id = 4051, .Kind = CheckBox, .Text = L"Icono en medio derecha", .Box = {376, 232, 176, 24}},
    {.Id = 4052, .Kind = FramedPicture, .Box = {552, 224, 32, 32}},
    {.Id = 4053, .Kind = PushButton, .Text = IconText, .Box = {592, 224, 56, 32}},
    {.Id = 4054, .Kind = CheckBox, .Text = L"Icono Abajo izquierda", .Box = {376, 272, 176, 24}},
    {.Id = 4055, .Kind = FramedPicture, .Box = {552, 264, 32, 32}},
    {.Id = 4056, .Kind = PushButton, .Text = IconText, .Box = {592, 264, 56, 32}},
    {.Id = 4057, .Kind = CheckBox, .Text = L"Icono Abajo centro", .Box = {376, 312, 176, 24}},
    {.Id = 4058, .Kind = FramedPicture, .Box = {552, 304, 32, 32}},
    {.Id = 4059, .Kind = PushButton, .Text = IconText, .Box = {592, 304, 56, 32}},
    {.Id = 4060, .Kind = CheckBox, .Text = L"Icono Abajo derecha", .Box = {376, 352, 176, 24}},
    {.Id = 4061, .Kind = FramedPicture, .Box = {552, 344, 32, 32}},
    {.Id = 4062, .Kind = PushButton, .Text = IconText, .Box = {592, 344, 56, 32}},
    {.Id = 4063, .Kind = PushButton, .Text = L"Salir", .Box = {376, 424, 75, 24}},
    {.Id = 4064, .Kind = GroupBox, .Text = L"Que hacer ?", .Box = {368, 400, 392, 162}},
    {.Id = 4065, .Kind = PushButton, .Text = L"Resetear", .Box = {376, 456, 75, 24}},
    {.Id = 4066, .Kind = PushButton, .Text = L"Bloquear", .Box = {376, 488, 75, 24}},
    {.Id = 4067, .Kind = PushButton, .Text = L"Memorizar", .Box = {376, 520, 75, 24}},
    {.Id = 4068, .Kind = FramedLabel, .Text = DayEditorNotice, .Box = {368, 568, 392, 56}},
}};

namespace {

bool IsCheckBox(int id) {
    return IndexOfId(NumberBoxIds, id) >= 0 || IndexOfId(TextBoxIds, id) >= 0 ||
           IndexOfId(SaintBoxIds, id) >= 0 || IndexOfId(IconBoxIds, id) >= 0;
}

}  // namespace

EditorCommandRole RoleOfCommand(int controlId, int notification) {
    if (IsCheckBox(controlId)) return {EditorCommand::TickBox, 0};
    if (!ButtonPressed(notification)) return {EditorCommand::None, 0};
    if (const int line = IndexOfId(ColorButtonIds, controlId); line >= 0)
        return {EditorCommand::PickColor, line};
    if (const int position = IndexOfId(IconButtonIds, controlId); position >= 0)
        return {EditorCommand::ChooseIcon, position};
    if (controlId == ExitButtonId) return {EditorCommand::Exit, 0};
    if (controlId == ResetButtonId) return {EditorCommand::Reset, 0};
    return {EditorCommand::None, 0};
}

std::array<int, CheckBoxCount> AllCheckBoxIds() {
    std::array<int, CheckBoxCount> ids{};
    std::size_t next = 0;
    for (const ControlLayout& control : DayEditorControls)
        if (control.Kind == ControlKind::CheckBox) ids[next++] = control.Id;
    return ids;
}
