#pragma once
// What the open document asks of the user: the work-file dialogs, its questions and messages.
// The Windows side shows the system's dialogs (app/commands/system_dialogs_win32.h); tests
// answer them from a script.

#include <string>

enum class WorkFileDialogMode { Open = 0, Save = 1 };

enum class Answer { Yes, No, Cancel };

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    // Shows the open or save dialog, opening in the folder given (empty: the process's current
    // directory) with the name proposed in its name box; the full path chosen, or the empty text
    // on cancel.
    virtual std::wstring ChoosePath(WorkFileDialogMode mode, const std::wstring& initialFolder,
                                    const std::wstring& proposedName) = 0;
    // "Sobrescribir ?" with Yes and No; true for Yes.
    virtual bool AskOverwrite() = 0;
    // The program's other questions: Sí and No; Sí, No and Cancelar.
    virtual bool AskYesNo(const std::wstring& question) = 0;
    virtual Answer AskYesNoCancel(const std::wstring& question) = 0;
    virtual void ShowMessage(const wchar_t* text) = 0;
};

inline constexpr wchar_t OverwriteQuestion[] = L"Sobrescribir ?";
