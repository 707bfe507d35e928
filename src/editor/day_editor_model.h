#pragma once
// What the day editor does to the one DayCell it edits. The editor takes the cell's column and
// row from the sheet's selection once, when it opens, and addresses the cell through the sheet
// at every change: a later click on the sheet moves the selection but not the editor.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "calendar/month_sheet.h"
#include "calendar/text_slot.h"

class DayEditorModel {
  public:
    // The sheet's SelectedColumn and SelectedRow must lie in 0..7.
    explicit DayEditorModel(MonthSheet& sheet);

    DayCell& Cell() const { return Sheet.Cell(CellColumn, CellRow); }

    // The dialog's caption: day and month with at least two digits, the year plain ("05/03/2024").
    std::string Caption() const;

    // Whether the check box with this identifier shows ticked for the cell.
    bool BoxTicked(int checkBoxId) const;
    // Stores a check box's new state in its flag. A line's "Texto" and "Santoral" boxes exclude
    // each other: storing one clears the other's flag, and the identifier of the box to untick
    // is returned. Every other box returns 0 and leaves the rest alone.
    int TickBox(int checkBoxId, bool ticked);

    // The colour chooser's result for a line: a confirmed colour is stored, no colour changes
    // nothing.
    void TakeColorChoice(int line, std::optional<Color> chosen);

    // The "Icono" choice for a position: stores the chosen file's path when the file exists.
    bool TakeIconChoice(int position, const PathField& choiceSlot);

    // "Salir": the five typed texts in Windows-1252, each cut to 20 bytes.
    void KeepTypedTexts(const std::array<std::wstring, TextLineCount>& typed);

    // "Resetear": every flag, text, colour and icon path of the day becomes 0 or empty. The
    // defaults of a new sheet are not restored.
    void ClearDay();

  private:
    static std::ptrdiff_t FlagOffset(int checkBoxId);

    MonthSheet& Sheet;
    int CellColumn;
    int CellRow;
};

// The text a line's edit box starts with.
std::wstring LineTextForEditing(const DayCell& cell, int line);
