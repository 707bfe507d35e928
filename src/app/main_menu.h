#pragma once
// The main window's only menu, "Archivos": its items in order, with their command ids. An item
// whose text is "-" is a separator.

namespace MenuCommand {
inline constexpr int New = 1011;          // "Nuevo"
inline constexpr int Exit = 1012;         // "Salir"
inline constexpr int About = 1013;        // "Autor"
inline constexpr int ExportImage = 1014;  // "Grabar Imagen"
inline constexpr int Print = 1015;        // "Imprimir", never chosen
inline constexpr int Save = 1016;         // "Grabar"
inline constexpr int Open = 1017;         // "Leer"
}  // namespace MenuCommand

struct MenuEntry {
    const wchar_t* Text;
    int Id;         // 0 for a separator
    bool Disabled;  // drawn like the others but cannot be chosen
};

inline constexpr wchar_t MainMenuTitle[] = L"Archivos";

inline constexpr MenuEntry MainMenuEntries[] = {
    {L"Nuevo", MenuCommand::New, false},
    {L"-", 0, false},
    {L"Grabar", MenuCommand::Save, false},
    {L"-", 0, false},
    {L"Grabar Imagen", MenuCommand::ExportImage, false},
    {L"-", 0, false},
    {L"Leer", MenuCommand::Open, false},
    {L"-", 0, false},
    {L"Imprimir", MenuCommand::Print, true},
    {L"-", 0, false},
    {L"Autor", MenuCommand::About, false},
    {L"-", 0, false},
    {L"Salir", MenuCommand::Exit, false},
};
