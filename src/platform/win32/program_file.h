#pragma once

#include <windows.h>

#include <string>

// Full path of the running program's executable file.
std::wstring ProgramFilePath();

// The program's module handle (resources, window creation).
HINSTANCE ProgramInstance();
