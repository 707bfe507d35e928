#pragma once
// The main window's only menu, "Archivos": its items in order, with their command ids and
// keyboard shortcuts. An item whose text is "-" is a separator. The recent work files come
// between the table's last separator and "Salir", numbered, with a separator of their own.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace MenuCommand {
inline constexpr int New = 1011;            // "Nuevo"
inline constexpr int PreviousMonth = 1020;  // "Mes anterior"
inline constexpr int NextMonth = 1021;      // "Mes siguiente"
inline constexpr int Exit = 1012;           // "Salir"
inline constexpr int About = 1013;          // "Autor"
inline constexpr int ExportImage = 1014;    // "Grabar Imagen"
inline constexpr int Print = 1015;          // "Imprimir"
inline constexpr int Save = 1016;           // "Grabar"
inline constexpr int Open = 1017;           // "Leer"
inline constexpr int Calendar = 1018;       // "Calendario..."
inline constexpr int Memorized = 1019;      // "Fechas memorizadas..."
inline constexpr int PrintYear = 1022;      // "Imprimir año..."
inline constexpr int Undo = 1023;           // "Deshacer"
inline constexpr int Redo = 1024;           // "Rehacer"
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
    {L"Mes anterior", MenuCommand::PreviousMonth},
    {L"Mes siguiente", MenuCommand::NextMonth},
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
    {L"Imprimir a\u00f1o...", MenuCommand::PrintYear},
    {L"-", 0},
    {L"Autor", MenuCommand::About},
    {L"-", 0},
    {L"Salir", MenuCommand::Exit},
};

// The second menu, "Edición": its items are greyed while there is nothing to undo or redo, or
// while the day editor is open, and name what they take back (SheetHistory).
inline constexpr wchar_t EditMenuTitle[] = L"Edici\u00f3n";

inline constexpr MenuEntry EditMenuEntries[] = {
    {L"Deshacer", MenuCommand::Undo},
    {L"Rehacer", MenuCommand::Redo},
};

// A key, with Ctrl and Mayús where said, chooses the item. The shown key is written beside the
// item's text; the others act as well, for the keys users of other programs know.
inline constexpr std::uint16_t PageUpKey = 0x21;    // VK_PRIOR, "Re Pág"
inline constexpr std::uint16_t PageDownKey = 0x22;  // VK_NEXT, "Av Pág"

struct MenuShortcut {
    int Id;
    std::uint16_t Key;  // a capital letter, which is also its virtual-key code, or a key above
    bool Control;
    bool Shift;
    bool Shown;
};

inline constexpr MenuShortcut MenuShortcuts[] = {
    {MenuCommand::New, L'U', true, false, true},
    {MenuCommand::New, L'N', true, false, false},
    {MenuCommand::PreviousMonth, PageUpKey, false, false, true},
    {MenuCommand::PreviousMonth, PageUpKey, true, false, false},
    {MenuCommand::NextMonth, PageDownKey, false, false, true},
    {MenuCommand::NextMonth, PageDownKey, true, false, false},
    {MenuCommand::Open, L'A', true, false, true},
    {MenuCommand::Open, L'O', true, false, false},
    {MenuCommand::Save, L'G', true, false, true},
    {MenuCommand::Save, L'S', true, false, false},
    {MenuCommand::Print, L'P', true, false, true},
    {MenuCommand::PrintYear, L'P', true, true, true},
    {MenuCommand::Undo, L'Z', true, false, true},
    {MenuCommand::Redo, L'Y', true, false, true},
    {MenuCommand::Redo, L'Z', true, true, false},
};

// The item's text as the menu shows it: with a shown shortcut, the text, a tab and the keys
// ("Nuevo\tCtrl+U", "Mes siguiente\tAv Pág"); the text may be given in place of the entry's.
std::wstring MenuItemText(const MenuEntry& entry, std::wstring_view text = {});
