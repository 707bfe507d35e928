#pragma once
// The work-file flows' dialogs and questions on Windows.

#include <windows.h>

#include "app/document/work_file_flows.h"

class SystemWorkFileDialogs final : public WorkFileDialogs {
  public:
    explicit SystemWorkFileDialogs(HWND owner) : Owner(owner) {}
    std::wstring ChoosePath(WorkFileDialogMode mode, const std::wstring& initialFolder) override;
    bool AskOverwrite() override;
    bool AskYesNo(const std::wstring& question) override;
    Answer AskYesNoCancel(const std::wstring& question) override;
    void ShowMessage(const wchar_t* text) override;

  private:
    HWND Owner;
};
