#include "driver/console_program.h"

namespace e2e {

namespace {

// A file the started program inherits as one of its standard handles.
UniqueHandle InheritableFile(const std::wstring& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return UniqueHandle(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::string TextOfFile(const std::wstring& path) {
    const auto bytes = ReadWholeFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

}  // namespace

ConsoleRun RunConsoleProgram(const std::wstring& program,
                             const std::vector<std::wstring>& arguments, const std::wstring& folder,
                             std::chrono::milliseconds timeout) {
    ConsoleRun run;
    const ScratchFolder streams(L"streams");
    const std::wstring outputPath = streams / L"out.txt";
    const std::wstring errorPath = streams / L"err.txt";
    std::wstring commandLine = L"\"" + program + L"\"";
    for (const std::wstring& argument : arguments) commandLine += L" \"" + argument + L"\"";
    {
        const UniqueHandle output = InheritableFile(outputPath);
        const UniqueHandle errors = InheritableFile(errorPath);
        if (!output || !errors) return run;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = output.Get();
        startup.hStdError = errors.Get();
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                            CREATE_NO_WINDOW, nullptr, folder.c_str(), &startup, &info))
            return run;
        const UniqueHandle process(info.hProcess);
        const UniqueHandle thread(info.hThread);
        if (WaitForSingleObject(process.Get(), static_cast<DWORD>(timeout.count())) !=
            WAIT_OBJECT_0) {
            TerminateProcess(process.Get(), 99);
            WaitForSingleObject(process.Get(), 5000);
            return run;
        }
        DWORD code = 0;
        if (GetExitCodeProcess(process.Get(), &code)) run.ExitCode = code;
    }
    run.Output = TextOfFile(outputPath);
    run.Errors = TextOfFile(errorPath);
    return run;
}

std::wstring BuiltExporterPath() {
    return HostPathToWindows(ALMANAQUE_EXPORTAR_EXE);
}

std::string Utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

}  // namespace e2e
