#include "driver/program_driver.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/recovery/folder_win32.h"
#include "app/window/main_menu.h"
#include "platform/folder_files.h"

namespace e2e {

namespace {

std::wstring Widen(std::string_view text) {
    if (text.empty()) return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

std::wstring TemporaryFolder() {
    wchar_t buffer[MAX_PATH + 1]{};
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    std::wstring folder(buffer, length);
    while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    return folder;
}

struct WindowSearch {
    DWORD ProcessId;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.ProcessId && IsWindowVisible(window)) search.Found.push_back(window);
    return TRUE;
}

constexpr wchar_t HandoverClass[] = L"AlmanaqueE2E.bmp";

// The driven programs' recovery copies, in the test prefix's own %LOCALAPPDATA%\Almanaque\, are
// removed before and after every test, so that no test meets a copy another one left.
void EmptyRecoveryFolder() {
    const std::wstring folder = RecoveryFolder();
    for (const std::wstring& name : FileNamesIn(folder)) DeleteFileW((folder + name).c_str());
}

class RecoveryFolderCleaner : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { EmptyRecoveryFolder(); }
    void OnTestEnd(const testing::TestInfo&) override { EmptyRecoveryFolder(); }
};

const bool CleanerListens = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new RecoveryFolderCleaner);
    return true;
}();

}  // namespace

std::wstring HostPathToWindows(std::string_view hostPath) {
    std::wstring path = Widen(hostPath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    if (!path.empty() && path[0] == L'\\') path = L"Z:" + path;
    return path;
}

std::wstring BuiltProgramPath() {
    return HostPathToWindows(ALMANAQUE_EXE);
}

std::wstring SampleIconFolder() {
    return HostPathToWindows(ALMANAQUE_SAMPLE_ICONS);
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        Sleep(10);
    }
}

ScratchFolder::ScratchFolder(std::wstring_view label) {
    static unsigned counter = 0;
    for (;;) {
        Folder = TemporaryFolder() + L"\\almanaque-" + std::wstring(label) + L"-" +
                 std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
        if (CreateDirectoryW(Folder.c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return;
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(Folder), ignored);
}

Program::Program(ProgramOptions options) {
    std::wstring exe = options.Executable;
    if (!exe.empty()) {
        ProgramFolder = exe.substr(0, exe.find_last_of(L'\\'));
    } else {
        if (options.Folder.empty()) {
            OwnFolder.emplace(L"program");
            ProgramFolder = OwnFolder->Path();
        } else {
            ProgramFolder = options.Folder;
        }
        exe = ProgramFolder + L"\\almanaque.exe";
        if (!CopyFileW(BuiltProgramPath().c_str(), exe.c_str(), FALSE)) return;
        if (options.WithSampleIcons) {
            for (const wchar_t* icon : {L"apple.ico", L"star.ico", L"heart.ico"})
                CopyFileW((SampleIconFolder() + L"\\" + icon).c_str(),
                          (ProgramFolder + L"\\" + icon).c_str(), FALSE);
        }
    }
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!options.CommandTail.empty()) commandLine += L" " + options.CommandTail;
    if (!options.FullCommandLine.empty()) commandLine = options.FullCommandLine;
    const wchar_t* application = options.FullCommandLine.empty() ? exe.c_str() : nullptr;
    const std::wstring directory =
        options.CurrentDirectory.empty() ? ProgramFolder : options.CurrentDirectory;

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    Started_ = std::chrono::steady_clock::now();
    if (!CreateProcessW(application, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &info))
        return;
    CloseHandle(info.hThread);
    Process = info.hProcess;
    Id = info.dwProcessId;
}

Program::~Program() {
    if (Process) {
        if (Running()) {
            TerminateProcess(Process, 99);
            WaitForSingleObject(Process, 5000);
        }
        CloseHandle(Process);
    }
    // The folder (when it is our own) goes with OwnFolder; give the system a moment to let go
    // of the executable first.
    if (OwnFolder) {
        WaitUntil(
            [&] {
                return DeleteFileW((ProgramFolder + L"\\almanaque.exe").c_str()) ||
                       GetLastError() == ERROR_FILE_NOT_FOUND;
            },
            2s);
    }
}

bool Program::Running() const {
    return Process && WaitForSingleObject(Process, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> Program::Windows(std::optional<std::wstring_view> caption) const {
    WindowSearch search{Id, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    if (!caption) return search.Found;
    std::vector<HWND> matching;
    for (const HWND window : search.Found)
        if (TextOf(window) == *caption) matching.push_back(window);
    return matching;
}

HWND Program::MainWindow(std::chrono::milliseconds timeout) {
    if (Main && IsWindow(Main)) return Main;
    WaitUntil(
        [&] {
            for (const HWND window : Windows())
                if (ClassOf(window) == L"#32770" && GetDlgItem(window, 1001)) {
                    Main = window;
                    return true;
                }
            return !Running();
        },
        timeout);
    return Main;
}

std::wstring Program::Caption() {
    const HWND main = MainWindow();
    return main ? TextOf(main) : std::wstring();
}

void Program::Command(int id) {
    PostMessageW(MainWindow(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool Program::CommandReturns(int id, std::chrono::milliseconds timeout) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(MainWindow(), WM_COMMAND, MAKEWPARAM(id, 0), 0, SMTO_NORMAL,
                               static_cast<UINT>(timeout.count()), &result) != 0;
}

bool Program::WaitUntilIdle(std::chrono::milliseconds timeout) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL,
                               static_cast<UINT>(timeout.count()), &result) != 0;
}

HWND Program::WaitForWindow(std::wstring_view caption, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const std::vector<HWND> windows = Windows(caption);
            if (!windows.empty()) found = windows.front();
            return found != nullptr || !Running();
        },
        timeout);
    return found;
}

HWND Program::WaitForMessageBox(std::chrono::milliseconds timeout) {
    return WaitForWindow(L"Programador", timeout);
}

bool Program::Kill() {
    const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, Id);
    if (!process) return false;
    TerminateProcess(process, 1);
    CloseHandle(process);
    return WaitForExit().has_value();
}

std::optional<DWORD> Program::WaitForExit(std::chrono::milliseconds timeout) {
    if (!Process) return std::nullopt;
    if (WaitForSingleObject(Process, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(Process, &code);
    return code;
}

std::wstring TextOf(HWND window) {
    wchar_t buffer[1024]{};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer),
                             SMTO_NORMAL, 2000, &length))
        return {};
    return std::wstring(buffer, std::min<std::size_t>(length, 1023));
}

std::wstring ClassOf(HWND window) {
    wchar_t buffer[256]{};
    const int length = GetClassNameW(window, buffer, 256);
    return std::wstring(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

void SetText(HWND control, std::wstring_view text) {
    const std::wstring copy(text);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()), SMTO_NORMAL,
                        2000, &ignored);
}

void Press(HWND dialog, int buttonId) {
    const HWND button = GetDlgItem(dialog, buttonId);
    const LONG_PTR kind = GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK;
    // A push button tells its dialog it was clicked; that notice is posted directly, because
    // BM_CLICK's simulated mouse press is lost now and then when the button's window has not
    // been activated yet. Check boxes still get the click, which toggles them.
    if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON)
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    else
        PostMessageW(button, BM_CLICK, 0, 0);
}

void ClickAt(HWND window, int x, int y) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

bool TypeKeys(HWND window, const std::vector<WORD>& keys, bool withControl) {
    SetForegroundWindow(window);
    if (!WaitUntil([&] { return GetForegroundWindow() == window; }, 5s)) return false;
    std::vector<INPUT> inputs;
    const auto press = [&](WORD key, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (const WORD code : keys) {
        inputs.clear();
        if (withControl) press(VK_CONTROL, 0);
        press(code, 0);
        press(code, KEYEVENTF_KEYUP);
        if (withControl) press(VK_CONTROL, KEYEVENTF_KEYUP);
        if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) !=
            inputs.size())
            return false;
        Sleep(50);  // Wine loses keys that follow one another more closely
    }
    return true;
}

std::wstring MessageBoxText(HWND box) {
    // The text is the static control that is not the (empty) icon.
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != L"Static") continue;
        std::wstring text = TextOf(child);
        if (!text.empty()) return text;
    }
    return {};
}

std::wstring AnswerMessage(Program& program, int buttonId) {
    const HWND box = program.WaitForMessageBox();
    if (!box) return L"(no message)";
    const std::wstring text = MessageBoxText(box);
    Press(box, buttonId);
    WaitUntil([&] { return !IsWindow(box); });
    return text;
}

bool StartNewMonth(Program& program, int year, int month) {
    program.Command(MenuCommand::New);
    const HWND chooser = program.WaitForWindow(L"Elige mes y a\u00f1o");
    if (!chooser) return false;
    constexpr int yearBox = 5002, monthList = 5004, salir = 5005;
    SetText(GetDlgItem(chooser, yearBox), std::to_wstring(year));
    const HWND list = GetDlgItem(chooser, monthList);
    const std::wstring item = (month < 10 ? L"0" : L"") + std::to_wstring(month) + L" ";
    const std::vector<std::wstring> items = ListItems(list);
    if (month < 1 || month > static_cast<int>(items.size()) ||
        !PickListItem(list, items[month - 1]) || !items[month - 1].starts_with(item) ||
        !WaitUntil([&] { return ListSelection(list) == month - 1; }))
        return false;
    Press(chooser, salir);
    return WaitUntil([&] { return program.Caption() == MonthTitle(year, month); });
}

std::vector<std::wstring> ListItems(HWND listBox) {
    std::vector<std::wstring> items;
    const LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring item(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
        items.push_back(item);
    }
    return items;
}

int ListSelection(HWND listBox) {
    return static_cast<int>(SendMessageW(listBox, LB_GETCURSEL, 0, 0));
}

bool PickListItem(HWND listBox, std::wstring_view item) {
    const std::vector<std::wstring> items = ListItems(listBox);
    const auto found = std::find(items.begin(), items.end(), item);
    if (found == items.end()) return false;
    const auto index = static_cast<WPARAM>(std::distance(items.begin(), found));
    SendMessageW(listBox, LB_SETTOPINDEX, index, 0);
    RECT box{};
    if (SendMessageW(listBox, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&box)) == LB_ERR)
        return false;
    ClickAt(listBox, (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    return true;
}

RECT ChildRect(HWND child) {
    RECT box{};
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&box), 2);
    return box;
}

RECT ClientRect(HWND window) {
    RECT box{};
    GetClientRect(window, &box);
    return box;
}

std::wstring MonthTitle(int year, int month) {
    static const wchar_t* const Names[] = {L"Enero",      L"Febrero", L"Marzo",     L"Abril",
                                           L"Mayo",       L"Junio",   L"Julio",     L"Agosto",
                                           L"Septiembre", L"Octubre", L"Noviembre", L"Diciembre"};
    return std::wstring(Names[month - 1]) + L" " + std::to_wstring(year);
}

YearMonth ThisMonth() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth};
}

std::wstring ExportName(int year, int month) {
    return std::to_wstring(year) + L" " + std::to_wstring(month) + L".bmp";
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file),
                                     std::istreambuf_iterator<char>());
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HandoverRecorder::HandoverRecorder() : LogFile(Log / L"handed.txt") {
    const std::wstring command =
        L"\"" + HostPathToWindows(HANDOVER_RECORDER_EXE) + L"\" \"" + LogFile + L"\" \"%1\"";
    const auto setDefault = [](const std::wstring& key, const std::wstring& value) {
        HKEY handle = nullptr;
        if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &handle, nullptr) != ERROR_SUCCESS)
            return;
        RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
    };
    setDefault(L".bmp", HandoverClass);
    setDefault(std::wstring(HandoverClass) + L"\\shell\\open\\command", command);
}

HandoverRecorder::~HandoverRecorder() {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, HandoverClass);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".bmp");
}

std::vector<std::wstring> HandoverRecorder::Handed() const {
    std::vector<std::wstring> paths;
    const auto bytes = ReadWholeFile(LogFile);
    if (!bytes) return paths;
    std::wstring text =
        Widen(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
        paths.push_back(text.substr(start, end - start));
    return paths;
}

}  // namespace e2e
