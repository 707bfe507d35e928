#pragma once
// Progress to standard output, failures to standard error: as UTF-16 on a console window, as
// UTF-8 anywhere else (a pipe, a file, a terminal under Wine). Lines end in CR LF.

#include "export/export_run.h"

class StandardStreams final : public ExportConsole {
  public:
    void Progress(std::wstring_view line) override;
    void Failure(std::wstring_view line) override;
};
