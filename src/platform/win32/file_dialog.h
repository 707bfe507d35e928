#pragma once
// The system's open and save dialogs as the program uses them: one file type, a name proposed,
// a chosen initial folder, a default extension, the system's own placement over the owner window,
// and the process's current directory left unchanged.

#include <windows.h>

#include <string>

enum class FileDialogMode { Open, Save };

struct FileDialogRequest {
    HWND Owner = nullptr;
    FileDialogMode Mode = FileDialogMode::Open;
    std::wstring TypeDescription;   // "Almanaque"
    std::wstring TypePattern;       // "*.vrel"
    std::wstring DefaultExtension;  // "vrel", appended to a name typed without extension
    std::wstring InitialFolder;     // empty: the process's current directory
    std::wstring ProposedName;      // what the name box starts with; may be empty
};

// The full path chosen, or the empty text when the user cancelled. The open dialog accepts
// only existing files; the save dialog accepts new names too and asks nothing itself.
std::wstring ShowFileDialog(const FileDialogRequest& request);
