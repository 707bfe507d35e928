#pragma once

#include <string>

// Full path of the running program's executable file.
std::wstring ProgramFilePath();
