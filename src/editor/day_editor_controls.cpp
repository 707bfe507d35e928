#include "editor/day_editor_controls.h"

namespace {
using K = EditorControlKind;
constexpr const wchar_t* ColorText = L"Color";
constexpr const wchar_t* IconText = L"Icono";
}  // namespace

// clang-format off
const std::array<EditorControlLayout, DayEditorControlCount> DayEditorControls = {{
    {4001, K::GroupBox,   L"D\u00EDa del mes",                   8,   8, 352, 152},
    {4002, K::CheckBox,   L"Esquina superior izquierda",        16,  32, 336,  24},
    {4003, K::CheckBox,   L"Esquina superior derecha",          16,  56, 336,  24},
    {4004, K::CheckBox,   L"Esquina inferior izquierda",        16,  80, 336,  24},
    {4005, K::CheckBox,   L"Esquina inferior derecha",          16, 104, 336,  24},
    {4006, K::CheckBox,   L"En el centro",                      16, 128, 336,  24},
    {4007, K::GroupBox,   L"Texto",                              8, 168, 352, 456},
    {4008, K::CheckBox,   L"Texto en l\u00EDnea 1",             16, 184, 328,  24},
    {4009, K::CheckBox,   L"Santoral en l\u00EDnea 1",          16, 208, 328,  24},
    {4010, K::TextBox,    L"",                                  16, 232, 152,  32},
    {4011, K::DrawingBox, nullptr,                             176, 232,  32,  32},
    {4012, K::PushButton, ColorText,                           216, 232,  40,  32},
    {4013, K::CheckBox,   L"Santoral en l\u00EDnea 2",          16, 296, 328,  24},
    {4014, K::CheckBox,   L"Texto en l\u00EDnea 2",             16, 272, 328,  24},
    {4015, K::TextBox,    L"",                                  16, 320, 152,  32},
    {4016, K::DrawingBox, nullptr,                             176, 320,  32,  32},
    {4017, K::PushButton, ColorText,                           216, 320,  40,  32},
    {4018, K::CheckBox,   L"Santoral en l\u00EDnea 3",          16, 384, 328,  24},
    {4019, K::CheckBox,   L"Texto en l\u00EDnea 3",             16, 360, 328,  24},
    {4020, K::TextBox,    L"",                                  16, 408, 152,  32},
    {4021, K::DrawingBox, nullptr,                             176, 408,  32,  32},
    {4022, K::PushButton, ColorText,                           216, 408,  40,  32},
    {4023, K::CheckBox,   L"Santoral en l\u00EDnea 4",          16, 472, 328,  24},
    {4024, K::CheckBox,   L"Texto en l\u00EDnea 4",             16, 448, 328,  24},
    {4025, K::TextBox,    L"",                                  16, 496, 152,  32},
    {4026, K::DrawingBox, nullptr,                             176, 496,  32,  32},
    {4027, K::PushButton, ColorText,                           216, 496,  40,  32},
    {4028, K::CheckBox,   L"Santoral en l\u00EDnea 5",          16, 560, 328,  24},
    {4029, K::CheckBox,   L"Texto en l\u00EDnea 5",             16, 536, 328,  24},
    {4030, K::TextBox,    L"",                                  16, 584, 152,  32},
    {4031, K::DrawingBox, nullptr,                             176, 584,  32,  32},
    {4032, K::PushButton, ColorText,                           216, 584,  40,  32},
    {4033, K::GroupBox,   L"Iconos",                           368,   8, 392, 384},
    {4034, K::CheckBox,   L"Icono Arriba izquierda",           376,  32, 176,  24},
    {4036, K::DrawingBox, nullptr,                             552,  24,  32,  32},
    {4037, K::PushButton, IconText,                            592,  24,  56,  32},
    {4039, K::DrawingBox, nullptr,                             552,  64,  32,  32},
    {4040, K::CheckBox,   L"Icono Arriba centro",              376,  72, 176,  24},
    {4041, K::PushButton, IconText,                            592,  64,  56,  32},
    {4042, K::CheckBox,   L"Icono Arriba derecha",             376, 112, 176,  24},
    {4043, K::DrawingBox, nullptr,                             552, 104,  32,  32},
    {4044, K::PushButton, IconText,                            592, 104,  56,  32},
    {4045, K::CheckBox,   L"Icono en medio izquierda",         376, 152, 176,  24},
    {4046, K::DrawingBox, nullptr,                             552, 144,  32,  32},
    {4047, K::PushButton, IconText,                            592, 144,  56,  32},
    {4048, K::CheckBox,   L"Icono en medio centro",            376, 192, 176,  24},
    {4049, K::DrawingBox, nullptr,                             552, 184,  32,  32},
    {4050, K::PushButton, IconText,                            592, 184,  56,  32},
    {4051, K::CheckBox,   L"Icono en medio derecha",           376, 232, 176,  24},
    {4052, K::DrawingBox, nullptr,                             552, 224,  32,  32},
    {4053, K::PushButton, IconText,                            592, 224,  56,  32},
    {4054, K::CheckBox,   L"Icono Abajo izquierda",            376, 272, 176,  24},
    {4055, K::DrawingBox, nullptr,                             552, 264,  32,  32},
    {4056, K::PushButton, IconText,                            592, 264,  56,  32},
    {4057, K::CheckBox,   L"Icono Abajo centro",               376, 312, 176,  24},
    {4058, K::DrawingBox, nullptr,                             552, 304,  32,  32},
    {4059, K::PushButton, IconText,                            592, 304,  56,  32},
    {4060, K::CheckBox,   L"Icono Abajo derecha",              376, 352, 176,  24},
    {4061, K::DrawingBox, nullptr,                             552, 344,  32,  32},
    {4062, K::PushButton, IconText,                            592, 344,  56,  32},
    {4063, K::PushButton, L"Salir",                            376, 424,  75,  24},
    {4064, K::GroupBox,   L"Que hacer ?",                      368, 400, 392, 162},
    {4065, K::PushButton, L"Resetear",                         376, 456,  75,  24},
    {4066, K::PushButton, L"Bloquear",                         376, 488,  75,  24},
    {4067, K::PushButton, L"Memorizar",                        376, 520,  75,  24},
    {4068, K::Label,      DayEditorNotice,                     368, 568, 392,  56},
}};
// clang-format on

namespace {

bool IsCheckBox(int id) {
    return IndexOfId(NumberBoxIds, id) >= 0 || IndexOfId(TextBoxIds, id) >= 0 ||
           IndexOfId(SaintBoxIds, id) >= 0 || IndexOfId(IconBoxIds, id) >= 0;
}

}  // namespace

EditorCommandRole RoleOfCommand(int controlId, int notification) {
    if (IsCheckBox(controlId)) return {EditorCommand::TickBox, 0};
    const bool pressed = notification == 0 || notification == 1;
    if (!pressed) return {EditorCommand::None, 0};
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
    for (const EditorControlLayout& control : DayEditorControls)
        if (control.Kind == EditorControlKind::CheckBox) ids[next++] = control.Id;
    return ids;
}
