#pragma once
// What the day editor does to the one day it edits. The editor is given the day's place when it
// opens and reaches the day through the sheet at every change, so a later click on the sheet
// does not move it and a reset of the sheet does not leave it holding a stale day.

#include <array>
#include <optional>
#include <string>

#include "calendar/month_sheet.h"
#include "editor/memorized_days.h"
#include "platform/dialog_memory.h"

class DayEditorModel {
  public:
    // The place must show a day of the sheet's month.
    DayEditorModel(MonthSheet& sheet, GridPlace place) : Sheet(sheet), Place(place) {}

    Day& Edited() const { return Sheet.Cell(Place.Column, Place.Row); }

    // The dialog's caption, the date of the day: day and month with at least two digits, the
    // year plain ("05/03/2024").
    std::string Caption() const;

    // Whether the check box with this identifier shows ticked for the day.
    bool BoxTicked(int checkBoxId) const;
    // Stores a check box's new state in its flag. A line's "Texto" and "Santoral" boxes exclude
    // each other: storing one clears the other's flag, and the identifier of the box to untick
    // is returned. Every other box returns 0 and leaves the rest alone.
    int TickBox(int checkBoxId, bool ticked);

    // The colour chooser's result for a line: a confirmed colour is stored, no colour changes
    // nothing.
    void TakeColorChoice(int line, std::optional<Color> chosen);

    // The "Icono" choice for a position: stores the icon chosen last when its file exists.
    bool TakeIconChoice(int position, const DialogMemory& memory);

    // "Salir": the five typed texts in Windows-1252, each cut to LineTextLimit bytes.
    void KeepTypedTexts(const std::array<std::wstring, TextLineCount>& typed);

    // Whether the day's date is memorized.
    bool IsMemorized(const MemorizedDays& days) const;
    // "Memorizar" keeps the day as the editor shows it, typed texts included, as the memorized
    // date of its day and month; "Olvidar" forgets it. Neither changes the day. False when the
    // change could not be kept.
    bool ToggleMemorized(MemorizedDays& days,
                         const std::array<std::wstring, TextLineCount>& typed) const;

    // "Resetear": every flag, text, colour and icon path of the day becomes off, empty or black.
    // The defaults of a new sheet are not restored; the font and the number colour stay.
    void ClearDay();

  private:
    // The flag a check box shows and sets; null for any other control.
    Flag* FlagOfBox(int checkBoxId) const;

    MonthSheet& Sheet;
    GridPlace Place;
};

// The text a line's edit box starts with.
std::wstring LineTextForEditing(const Day& day, int line);
