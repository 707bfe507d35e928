#pragma once
// The main window's only menu, "Archivos": its items in order, with their command ids and
// keyboard shortcuts. An item whose text is "-" is a separator. The recent work files come
// between the table's last separator and "Salir", numbered, with a separator of their own.

#include <cstddef>
#include <string>

namespace MenuCommand {
inline constexpr int New = 1011;          // "Nuevo"
inline constexpr int Exit = 1012;         // "Salir"
inline constexpr int About = 1013;        // "Autor"
inline constexpr int ExportImage = 1014;  // "Grabar Imagen"
inline constexpr int Print = 1015;        // "Imprimir"
inline constexpr int Save = 1016;         // "Grabar"
inline constexpr int Open = 1017;         // "Leer"
inline constexpr int Calendar = 1018;     // "Calendario..."
inline constexpr int Memorized = 1019;    // "Fechas memorizadas..."
// The recent work files, newest first: RecentFile + 0 .. RecentFile + RecentFileLimit - 1.
inline constexpr int RecentFile = 1101;
}  // namespace MenuCommand

struct MenuEntry {
    const wchar_t* Text;
    int Id;  // 0 for a separator
};

inline constexpr wchar_t MainMenuTitle[] = L"Archivos";

inline constexpr MenuEntry MainMenuEntries[] = {
    {L"Nuevo", MenuCommand::New},
    {L"-", 0},
    {L"Grabar", MenuCommand::Save},
    {L"-", 0},
    {L"Grabar Imagen", MenuCommand::ExportImage},
    {L"-", 0},
    {L"Leer", MenuCommand::Open},
    {L"-", 0},
    {L"Calendario...", MenuCommand::Calendar},
    {L"Fechas memorizadas...", MenuCommand::Memorized},
    {L"-", 0},
    {L"Imprimir", MenuCommand::Print},
    {L"-", 0},
    {L"Autor", MenuCommand::About},
    {L"-", 0},
    {L"Salir", MenuCommand::Exit},
};

// Ctrl + Key chooses the item. The shown key is written beside the item's text; the others act
// as well, for the keys users of English-language programs know.
struct MenuShortcut {
    int Id;
    wchar_t Key;  // a capital letter, which is also its virtual-key code
    bool Shown;
};

inline constexpr MenuShortcut MenuShortcuts[] = {
    {MenuCommand::New, L'U', true},   {MenuCommand::New, L'N', false},
    {MenuCommand::Open, L'A', true},  {MenuCommand::Open, L'O', false},
    {MenuCommand::Save, L'G', true},  {MenuCommand::Save, L'S', false},
    {MenuCommand::Print, L'P', true},
};

// The item's text as the menu shows it: with a shown shortcut, the text, a tab and the keys
// ("Nuevo\tCtrl+U").
std::wstring MenuItemText(const MenuEntry& entry);
