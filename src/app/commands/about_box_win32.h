#pragma once
// AboutBox "Autor": the program's icon, a notice naming the author and granting the use of the
// program, and "Salir". Runs modally, above its owner window, which stays usable.

#include <windows.h>

void RunAboutBox(HWND owner);
