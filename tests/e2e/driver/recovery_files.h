#pragma once
// The driven programs' recovery copies, in the test prefix's own %LOCALAPPDATA%\Almanaque\. The
// folder is emptied before and after every test, so that no test meets a copy another one left.

#include <string>
#include <vector>

#include "app/recovery_folder_win32.h"
#include "driver/program_driver.h"

namespace e2e {

// The recovery copies in the folder now (full paths), oldest program first.
std::vector<std::wstring> RecoveryCopies();
// Ends the program by its process id, as the task manager does: no message reaches it. True
// once it has ended.
bool Kill(Program& program);

}  // namespace e2e
