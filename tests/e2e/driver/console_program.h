#pragma once
// Runs a console program of the build to its end, as a person would from a command prompt:
// with arguments, in a folder, its standard output and error kept as the bytes it wrote.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "driver/program_driver.h"
#include "platform/win32/handles.h"

namespace e2e {

struct ConsoleRun {
    std::optional<DWORD> ExitCode;  // nothing when it did not start or did not end in time
    std::string Output;             // standard output
    std::string Errors;             // standard error
};

// Each argument is passed in double quotes.
ConsoleRun RunConsoleProgram(const std::wstring& program,
                             const std::vector<std::wstring>& arguments, const std::wstring& folder,
                             std::chrono::milliseconds timeout = std::chrono::seconds(120));

// The freshly built almanaque-exportar.exe.
std::wstring BuiltExporterPath();

// UTF-8, the form the exporter writes to a pipe or a file.
std::string Utf8(std::wstring_view text);

}  // namespace e2e
