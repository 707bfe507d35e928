#pragma once
// The open document's dialogs, questions and messages on Windows.

#include <windows.h>

#include "app/document/user_dialogs.h"

class SystemDialogs final : public UserDialogs {
  public:
    explicit SystemDialogs(HWND owner) : Owner(owner) {}
    std::wstring ChoosePath(WorkFileDialogMode mode, const std::wstring& initialFolder,
                            const std::wstring& proposedName) override;
    bool AskOverwrite() override;
    bool AskYesNo(const std::wstring& question) override;
    Answer AskYesNoCancel(const std::wstring& question) override;
    void ShowMessage(const wchar_t* text) override;

  private:
    HWND Owner;
};
