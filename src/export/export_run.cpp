#include "export/export_run.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

#include "render/bitmap_file.h"

namespace {

struct PlannedPage {
    ExportPage Page;
    std::wstring Path;
};

// A page that could not be made for any reason, lack of memory included, is reported as not
// written, and the worker goes on with the next.
bool WritePage(const PageWriterMaker& maker, const ExportOptions& options,
               std::unique_ptr<PageWriter>& writer, const PlannedPage& page) {
    try {
        if (!writer) writer = maker(options);
        return writer && writer->Write(page.Page, page.Path);
    } catch (const std::exception&) {
        writer.reset();
        return false;
    }
}

// Makes the pages on up to `workers` threads; false when any page could not be written.
bool MakePages(const std::vector<PlannedPage>& pages, const ExportOptions& options,
               const PageWriterMaker& maker, ExportConsole& console, unsigned workers) {
    std::atomic<std::size_t> next{0};
    std::atomic<bool> allWritten{true};
    std::mutex speaking;
    std::size_t handled = 0;
    const std::wstring total = std::to_wstring(pages.size());
    const auto work = [&] {
        std::unique_ptr<PageWriter> writer;
        for (std::size_t k = next++; k < pages.size(); k = next++) {
            const bool written = WritePage(maker, options, writer, pages[k]);
            if (!written) allWritten = false;
            const std::lock_guard lock(speaking);
            ++handled;
            if (written)
                console.Progress(pages[k].Path + L"  " + std::to_wstring(handled) + L"/" + total);
            else
                console.Failure(pages[k].Path + L": " + ImageUnwritableMessage);
        }
    };
    const unsigned threads =
        static_cast<unsigned>(std::clamp<std::size_t>(pages.size(), 1, std::max(workers, 1u)));
    std::vector<std::thread> helpers;
    for (unsigned k = 1; k < threads; ++k) helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers) helper.join();
    return allWritten;
}

}  // namespace

ExportExitCode RunExport(const std::vector<std::wstring>& arguments, const PageWriterMaker& maker,
                         ExportConsole& console, const MachineCapacity& machine,
                         const NewSheetDressing& users) {
    const ParsedCommandLine parsed = ParseExportArguments(arguments);
    if (parsed.What == ParsedCommandLine::Action::ShowUsage) {
        console.Progress(ExportUsage);
        return AllPagesMade;
    }
    if (parsed.What == ParsedCommandLine::Action::UsageError) {
        console.Failure(parsed.Error);
        console.Failure(ExportUsage);
        return UsageMistake;
    }

    const ExportOptions& options = parsed.Options;
    const NewSheetDressing dressing = DressingOfPages(options, users);
    bool allTargetsRead = true;
    std::vector<PlannedPage> pages;
    for (const std::wstring& target : options.Targets) {
        TargetPages made = PagesOfTarget(target, dressing, options.SheetsFolder);
        if (!made.Error.empty()) {
            console.Failure(made.Error);
            allTargetsRead = false;
        }
        for (ExportPage& page : made.Pages) {
            std::wstring path = PagePath(options.Folder, page, options.Format);
            // Two targets with the same page name: the later one is the page, as if made in turn.
            const auto same = std::find_if(pages.begin(), pages.end(),
                                           [&](const PlannedPage& p) { return p.Path == path; });
            if (same != pages.end())
                same->Page = std::move(page);
            else
                pages.push_back({std::move(page), std::move(path)});
        }
    }
    const bool allPagesMade =
        MakePages(pages, options, maker, console, PagesAtOnce(machine, options.DotsPerInch));
    return allTargetsRead && allPagesMade ? AllPagesMade : SomeTargetFailed;
}
