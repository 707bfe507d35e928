#pragma once
// The day editor's layout, generated from the control identifiers: a few single controls, then
// one uniform series per kind of control in the rows of the day number, the five text lines and
// the nine icons, all created in the order of their identifiers. Positions and sizes are client
// pixels.

#include <algorithm>
#include <array>
#include <cstddef>

#include "editor/day_editor_controls.h"
#include "platform/control_layout.h"

inline constexpr int DayEditorClientWidth = 770;
inline constexpr int DayEditorClientHeight = 632;

// The fixed notice at the bottom right.
inline constexpr const wchar_t* DayEditorNotice =
    L"Este dialogo solo afecta al d\u00EDa "
    L"elegido. Para modificar cada d\u00EDa, hay que hacerlo uno a uno, "
    L"clickeando en cada uno de ellos.";

namespace day_editor_layout {

using enum ControlKind;

// A series of controls of one kind, one per identifier, each `pitch` pixels below the one
// before; texts[k] or, without texts, `text` for every control.
template <std::size_t N>
constexpr std::array<ControlLayout, N> Series(const std::array<int, N>& ids, ControlKind kind,
                                              PixelBox first, int pitch,
                                              const std::array<const wchar_t*, N>& texts) {
    std::array<ControlLayout, N> series{};
    for (std::size_t k = 0; k < N; ++k) {
        PixelBox box = first;
        box.Top += pitch * static_cast<int>(k);
        series[k] = {.Id = ids[k], .Kind = kind, .Text = texts[k], .Box = box};
    }
    return series;
}
template <std::size_t N>
constexpr std::array<ControlLayout, N> Series(const std::array<int, N>& ids, ControlKind kind,
                                              PixelBox first, int pitch,
                                              const wchar_t* text = L"") {
    std::array<const wchar_t*, N> texts{};
    texts.fill(text);
    return Series(ids, kind, first, pitch, texts);
}

inline constexpr std::array<ControlLayout, 9> Singles = {{
    {.Id = DayGroupId, .Kind = GroupBox, .Text = L"D\u00EDa del mes", .Box = {8, 8, 352, 152}},
    {.Id = TextGroupId, .Kind = GroupBox, .Text = L"Texto", .Box = {8, 168, 352, 456}},
    {.Id = IconGroupId, .Kind = GroupBox, .Text = L"Iconos", .Box = {368, 8, 392, 384}},
    {.Id = ExitButtonId, .Kind = PushButton, .Text = L"Salir", .Box = {376, 424, 75, 24}},
    {.Id = ActionGroupId, .Kind = GroupBox, .Text = L"Que hacer ?", .Box = {368, 400, 392, 162}},
    {.Id = ResetButtonId, .Kind = PushButton, .Text = L"Resetear", .Box = {376, 456, 75, 24}},
    {.Id = LockButtonId, .Kind = PushButton, .Text = L"Bloquear", .Box = {376, 488, 75, 24}},
    {.Id = MemorizeButtonId, .Kind = PushButton, .Text = L"Memorizar", .Box = {376, 520, 75, 24}},
    {.Id = NoticeId, .Kind = FramedLabel, .Text = DayEditorNotice, .Box = {368, 568, 392, 56}},
}};

// Every line's row lies 88 pixels below the one before, every icon's 40.
constexpr int LinePitch = 88;
constexpr int IconPitch = 40;

inline constexpr auto NumberBoxes =
    Series(NumberBoxIds, CheckBox, {16, 32, 336, 24}, 24,
           {L"Esquina superior izquierda", L"Esquina superior derecha",
            L"Esquina inferior izquierda", L"Esquina inferior derecha", L"En el centro"});
inline constexpr auto TextBoxes =
    Series(TextBoxIds, CheckBox, {16, 184, 328, 24}, LinePitch,
           {L"Texto en l\u00EDnea 1", L"Texto en l\u00EDnea 2", L"Texto en l\u00EDnea 3",
            L"Texto en l\u00EDnea 4", L"Texto en l\u00EDnea 5"});
inline constexpr auto SaintBoxes =
    Series(SaintBoxIds, CheckBox, {16, 208, 328, 24}, LinePitch,
           {L"Santoral en l\u00EDnea 1", L"Santoral en l\u00EDnea 2", L"Santoral en l\u00EDnea 3",
            L"Santoral en l\u00EDnea 4", L"Santoral en l\u00EDnea 5"});
inline constexpr auto LineEdits = Series(LineEditIds, TextBox, {16, 232, 152, 32}, LinePitch);
inline constexpr auto Swatches = Series(SwatchIds, FramedPicture, {176, 232, 32, 32}, LinePitch);
inline constexpr auto ColorButtons =
    Series(ColorButtonIds, PushButton, {216, 232, 40, 32}, LinePitch, L"Color");
inline constexpr auto IconBoxes =
    Series(IconBoxIds, CheckBox, {376, 32, 176, 24}, IconPitch,
           {L"Icono Arriba izquierda", L"Icono Arriba centro", L"Icono Arriba derecha",
            L"Icono en medio izquierda", L"Icono en medio centro", L"Icono en medio derecha",
            L"Icono Abajo izquierda", L"Icono Abajo centro", L"Icono Abajo derecha"});
inline constexpr auto Previews = Series(PreviewIds, FramedPicture, {552, 24, 32, 32}, IconPitch);
inline constexpr auto IconButtons =
    Series(IconButtonIds, PushButton, {592, 24, 56, 32}, IconPitch, L"Icono");

// The series one after the other, then in the order of their identifiers.
template <std::size_t... N>
constexpr auto InIdOrder(const std::array<ControlLayout, N>&... series) {
    std::array<ControlLayout, (N + ...)> all{};
    std::size_t next = 0;
    ((std::copy(series.begin(), series.end(), all.begin() + next), next += N), ...);
    std::sort(all.begin(), all.end(),
              [](const ControlLayout& a, const ControlLayout& b) { return a.Id < b.Id; });
    return all;
}

}  // namespace day_editor_layout

inline constexpr auto DayEditorControls = day_editor_layout::InIdOrder(
    day_editor_layout::Singles, day_editor_layout::NumberBoxes, day_editor_layout::TextBoxes,
    day_editor_layout::SaintBoxes, day_editor_layout::LineEdits, day_editor_layout::Swatches,
    day_editor_layout::ColorButtons, day_editor_layout::IconBoxes, day_editor_layout::Previews,
    day_editor_layout::IconButtons);

static_assert(std::adjacent_find(DayEditorControls.begin(), DayEditorControls.end(),
                                 [](const ControlLayout& a, const ControlLayout& b) {
                                     return a.Id == b.Id;
                                 }) == DayEditorControls.end(),
              "every control has an identifier of its own");
