#pragma once
// AboutBox "Autor": the program's icon, a notice naming the author and granting the use of the
// program, and "Salir". Runs modally without owner window.

void RunAboutBox();
