#pragma once
// The program's message boxes: caption "Programador", no icon, no owner window, so every other
// window of the program stays usable while one is up. Each call waits for the answer.

#include <string_view>

// OK button only.
void ShowMessage(std::wstring_view text);

// Yes and No buttons; true for Yes.
bool AskYesNo(std::wstring_view text);

// Yes, No and Cancel buttons: IDYES, IDNO or IDCANCEL (also what closing the box gives).
int AskYesNoCancel(std::wstring_view text);

// Inside a catch block of code that must let no exception escape (a window procedure): tells
// the user "Error interno: " and what the exception says. Throws nothing.
void ShowInternalError() noexcept;
