#pragma once
// The running program's own file, module and resources.

#include <windows.h>

#include <string>

#include "platform/win32/handles.h"

// Full path of the running program's executable file.
std::wstring ProgramFilePath();

// The program's module handle (resources, window creation).
HINSTANCE ProgramInstance();

// The program's own icon at size x size pixels; empty when it cannot be loaded.
UniqueIcon LoadProgramIcon(int size);
