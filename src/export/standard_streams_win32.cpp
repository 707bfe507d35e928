#include "export/standard_streams_win32.h"

#include <windows.h>

#include <string>

namespace {

void WriteLine(DWORD stream, std::wstring_view line) {
    const HANDLE handle = GetStdHandle(stream);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
    const std::wstring text = std::wstring(line) + L"\r\n";
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

void StandardStreams::Progress(std::wstring_view line) {
    WriteLine(STD_OUTPUT_HANDLE, line);
}

void StandardStreams::Failure(std::wstring_view line) {
    WriteLine(STD_ERROR_HANDLE, line);
}
