#pragma once
// One run of almanaque-exportar: read the command line, turn every target into its pages, make
// the pages (several at once, one page writer per worker) and say how it went. A target that
// cannot be made is reported and skipped; the others are still made.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "export/export_options.h"
#include "export/export_pages.h"
#include "export/pages_at_once.h"

enum ExportExitCode { AllPagesMade = 0, SomeTargetFailed = 1, UsageMistake = 2 };

// Draws a page and writes it to its path; each worker has its own.
class PageWriter {
  public:
    virtual ~PageWriter() = default;
    // False, with nothing left at the path, when the page could not be written.
    virtual bool Write(const ExportPage& page, const std::wstring& path) = 0;
};
using PageWriterMaker = std::function<std::unique_ptr<PageWriter>(const ExportOptions&)>;

// Where the run speaks: standard output for progress, standard error for failures. Lines come
// without their line end.
class ExportConsole {
  public:
    virtual ~ExportConsole() = default;
    virtual void Progress(std::wstring_view line) = 0;
    virtual void Failure(std::wstring_view line) = 0;
};

// The pages are made on as many workers as PagesAtOnce gives for the machine and the resolution
// asked for; new sheets start with the user's memorized dates and calendar unless the options
// say otherwise.
ExportExitCode RunExport(const std::vector<std::wstring>& arguments, const PageWriterMaker& maker,
                         ExportConsole& console, const MachineCapacity& machine,
                         const NewSheetDressing& users);
