#pragma once
// Drives almanaque.exe from another process of the same Wine server, as a person would but by
// window messages: the program is started from a private copy in a scratch folder, its windows
// are found by process and caption, menu commands are posted by id, controls are worked by id
// (BM_CLICK, WM_SETTEXT, LB_*), message boxes are read and answered by their buttons.
//
// Every wait has a timeout and returns an empty result when it runs out, so a test fails
// instead of hanging. A Program that is still running when it goes out of scope is ended and
// its folder removed.

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
inline constexpr std::chrono::milliseconds DefaultTimeout = 20s;

// A path of the build machine as the Windows side sees it ("/work/x" -> "Z:\work\x").
std::wstring HostPathToWindows(std::string_view hostPath);
// The freshly built program and the folder of the sample icons.
std::wstring BuiltProgramPath();
std::wstring SampleIconFolder();

// Polls the condition every few milliseconds; true as soon as it holds.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = DefaultTimeout);

// A new empty folder under the temporary folder, removed with its contents at the end.
class ScratchFolder {
  public:
    explicit ScratchFolder(std::wstring_view label = L"e2e");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::wstring& Path() const { return Folder; }
    // Path of a file or subfolder in it.
    std::wstring operator/(std::wstring_view name) const {
        return Folder + L"\\" + std::wstring(name);
    }

  private:
    std::wstring Folder;
};

struct ProgramOptions {
    std::wstring CommandTail;       // the text after the program's name; empty for none
    std::wstring Folder;            // where the program is copied; empty for a fresh scratch folder
    std::wstring CurrentDirectory;  // empty for the program's folder
    bool WithSampleIcons = true;    // copies apple.ico and the other samples beside the program
    // When set, the whole command line, program name included, parsed as the desktop's open
    // command would be; CommandTail is then ignored.
    std::wstring FullCommandLine;
    // When set, an installed program started where it is: nothing is copied, and Folder and
    // WithSampleIcons are not used. Otherwise a copy of the freshly built program is started.
    std::wstring Executable;

    static ProgramOptions WithCommandTail(std::wstring tail) {
        ProgramOptions options;
        options.CommandTail = std::move(tail);
        return options;
    }
    static ProgramOptions InFolder(std::wstring folder) {
        ProgramOptions options;
        options.Folder = std::move(folder);
        return options;
    }
};

class Program {
  public:
    explicit Program(ProgramOptions options = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return Process != nullptr; }
    DWORD ProcessId() const { return Id; }
    const std::wstring& Folder() const { return ProgramFolder; }
    std::chrono::steady_clock::time_point StartTime() const { return Started_; }

    // The main window once it is visible (a dialog with the sheet view, id 1001); null on timeout.
    HWND MainWindow(std::chrono::milliseconds timeout = 30s);
    std::wstring Caption();

    // Posts a menu command to the main window.
    void Command(int id);
    // Sends a menu command and waits for it to be handled; false when it is still running when
    // the timeout ends (for example because it opened a dialog).
    bool CommandReturns(int id, std::chrono::milliseconds timeout = 2s);

    // True once the main window handles a message again: what the program was doing when the
    // last window it had open (a question, a file dialog) went away is then done. Call it only
    // once that window is gone: a message box waiting for its answer handles the message too.
    bool WaitUntilIdle(std::chrono::milliseconds timeout = DefaultTimeout);

    // Visible top-level windows of this process, optionally only those with this caption.
    std::vector<HWND> Windows(std::optional<std::wstring_view> caption = std::nullopt) const;
    HWND WaitForWindow(std::wstring_view caption,
                       std::chrono::milliseconds timeout = DefaultTimeout);
    // A message box of the program (caption "Programador").
    HWND WaitForMessageBox(std::chrono::milliseconds timeout = DefaultTimeout);

    // Ends the program by its process id, as the task manager does: no message reaches it. True
    // once it has ended.
    bool Kill();
    // The exit code once the process has ended; nothing on timeout.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = DefaultTimeout);
    bool Running() const;

  private:
    std::optional<ScratchFolder> OwnFolder;
    std::wstring ProgramFolder;
    HANDLE Process = nullptr;
    DWORD Id = 0;
    HWND Main = nullptr;
    std::chrono::steady_clock::time_point Started_;
};

// Any window of another process.
std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);
void SetText(HWND control, std::wstring_view text);
// Clicks the dialog's button with this id (message boxes: 1 OK, 6 Yes, 7 No).
void Press(HWND dialog, int buttonId);
// Posts a left click at a client position of the window.
void ClickAt(HWND window, int x, int y);
// Brings the window to the foreground and presses the keys one after another through the
// system's input (SendInput), each with Ctrl held down when asked; false when the window did not
// come to the foreground.
bool TypeKeys(HWND window, const std::vector<WORD>& keys, bool withControl = false);
// The text shown by a message box.
std::wstring MessageBoxText(HWND box);
// Waits for the program's message box, answers it with the button and waits until it has gone;
// the text it showed ("(no message)" when none came).
std::wstring AnswerMessage(Program& program, int buttonId = IDOK);
// Items of a list box, and its selected index (-1 for none).
std::vector<std::wstring> ListItems(HWND listBox);
int ListSelection(HWND listBox);
// Clicks the list box item whose text is this; false when there is no such item.
bool PickListItem(HWND listBox, std::wstring_view item);
// "Nuevo" for a month, through the month chooser ("05 Mayo"), on a sheet with nothing unsaved;
// true once the program shows the new month.
bool StartNewMonth(Program& program, int year, int month);
// The child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child);
RECT ClientRect(HWND window);

// What the program shows for a month: "Mayo 2027"; and today's year and month.
std::wstring MonthTitle(int year, int month);
struct YearMonth {
    int Year;
    int Month;
};
YearMonth ThisMonth();
// "2027 5.bmp": the name an export of that month gets.
std::wstring ExportName(int year, int month);

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::wstring& path);
bool FileExists(const std::wstring& path);

// While alive, the desktop's "open" action for ".bmp" files runs a small recorder program that
// notes every path it is handed; the association is removed at the end.
class HandoverRecorder {
  public:
    HandoverRecorder();
    ~HandoverRecorder();
    HandoverRecorder(const HandoverRecorder&) = delete;
    HandoverRecorder& operator=(const HandoverRecorder&) = delete;
    // The paths handed over so far.
    std::vector<std::wstring> Handed() const;

  private:
    ScratchFolder Log{L"handover"};
    std::wstring LogFile;
};

}  // namespace e2e
