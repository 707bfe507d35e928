#pragma once
// The program's messages and questions: caption "Programador", no icon, owned by the window the
// user works in (the main window, or the day editor for its own question), which takes no input
// while one is up. Each call waits for the answer.

#include <windows.h>

#include <string_view>

// OK button only.
void ShowMessage(HWND owner, std::wstring_view text);

// "Sí" and "No"; true for "Sí".
bool AskYesNo(HWND owner, std::wstring_view text);

// "Sí", "No" and "Cancelar": IDYES, IDNO or IDCANCEL (also what closing the question gives).
int AskYesNoCancel(HWND owner, std::wstring_view text);

// True while a message or question of the program is up: no other command may start then, even
// in a window that the one up does not disable.
bool MessageIsUp();

// While alive, a window of the program's own counts as a message up (MessageIsUp).
class MessageUp {
  public:
    MessageUp();
    ~MessageUp();
    MessageUp(const MessageUp&) = delete;
    MessageUp& operator=(const MessageUp&) = delete;
};

// Inside a catch block of code that must let no exception escape (a window procedure): tells
// the user "Error interno: " and what the exception says. Throws nothing.
void ShowInternalError(HWND owner) noexcept;
