#include "app/commands/year_printing_win32.h"

#include <atomic>
#include <span>
#include <string>
#include <thread>

#include "app/commands/month_chooser_rules.h"
#include "app/commands/sheet_printing_win32.h"
#include "persistence/work_file_messages.h"
#include "platform/cp1252.h"
#include "platform/win32/memory_dialog.h"
#include "platform/win32/message_box.h"

namespace {

constexpr int YearLabelId = 5001;
constexpr int YearBoxId = 5002;  // as the month chooser's
constexpr int ProgressTextId = 5301;

using enum ControlKind;

constexpr ControlLayout YearControls[] = {
    {.Id = YearLabelId, .Kind = Label, .Text = L"A\u00f1o", .Box = {12, 12, 96, 24}},
    {.Id = YearBoxId, .Kind = NumberBox, .Box = {12, 36, 150, 32}},
    {.Id = IDOK, .Kind = PushButton, .Text = L"Aceptar", .Box = {12, 84, 75, 24}},
    {.Id = IDCANCEL, .Kind = PushButton, .Text = L"Cancelar", .Box = {93, 84, 75, 24}},
};

constexpr ControlLayout ProgressControls[] = {
    {.Id = ProgressTextId, .Kind = Label, .Box = {12, 12, 276, 24}},
    {.Id = IDCANCEL, .Kind = PushButton, .Text = L"Cancelar", .Box = {213, 44, 75, 24}},
};

class YearDialog final : public MemoryDialog {
  public:
    YearDialog(HWND owner, std::int16_t proposed)
        : MemoryDialog({.Caption = L"Imprimir a\u00f1o",
                        .ClientWidth = 180,
                        .ClientHeight = 120,
                        .Centred = true,
                        .Style = DialogFrameStyle | WS_SYSMENU,
                        .Owner = owner}),
          Proposed(proposed) {
        AddControls(YearControls);
        SetControlFont(L"MS Sans Serif", 10, FW_BOLD, {YearLabelId, IDOK, IDCANCEL});
        SetControlFont(L"MS Sans Serif", 14, FW_NORMAL, {YearBoxId});
    }

    std::optional<std::int16_t> Chosen;

  private:
    void OnInitialise() override {
        SetWindowTextW(Control(YearBoxId), std::to_wstring(Proposed).c_str());
    }
    // As the month chooser: only a year from 1 closes it.
    void OnCommand(int id, int code) override {
        if (!ButtonPressed(code)) return;
        if (id == IDOK) {
            const std::int16_t year = YearOfTypedText(WideToCp1252(ControlText(YearBoxId)));
            if (!ChooserMayClose(year, 1)) return;
            Chosen = year;
            End(0);
        } else if (id == IDCANCEL) {
            End(0);
        }
    }

    std::int16_t Proposed;
};

// Posted by the thread that prints: a page is being made (lParam: its sheet), and the job has
// ended (wParam: its PrintJob).
constexpr UINT PageStartedMessage = WM_APP + 1;
constexpr UINT JobEndedMessage = WM_APP + 2;

// The year's job, printed on a thread of its own: the printing calls block for as long as the
// driver and the spooler take, and their documentation (StartDoc, StartPage, EndPage, EndDoc)
// advises against making them on a thread that serves the user. Meanwhile this window tells the
// page being made; "Cancelar" has the job aborted before its next page. The window stays until
// the job has ended, and the main window takes no command until then.
class ProgressWindow final : public MemoryDialog {
  public:
    ProgressWindow(HWND owner, HDC printer, std::span<const MonthSheet> sheets)
        : MemoryDialog({.Caption = L"Imprimiendo",
                        .ClientWidth = 300,
                        .ClientHeight = 80,
                        .Centred = true,
                        .Style = DialogFrameStyle | WS_SYSMENU,
                        .Owner = owner}),
          Printer(printer),
          Sheets(sheets) {
        AddControls(ProgressControls);
        SetControlFont(L"MS Sans Serif", 10, FW_NORMAL, {ProgressTextId, IDCANCEL});
    }

    ~ProgressWindow() override {
        Cancelled = true;  // the loop was left before the job ended
        if (Worker.joinable()) Worker.join();
    }

    PrintJob Outcome() const { return Result; }

  private:
    void OnInitialise() override {
        Tell(Sheets.front());
        const HWND window = Window();
        Worker = std::thread([this, window] {
            PrintJob job = PrintJob::Failed;
            try {
                job = PrintSheetsOn(Printer, YearJobName(Sheets.front().Year), Sheets,
                                    [&](const MonthSheet& sheet) {
                                        PostMessageW(window, PageStartedMessage, 0,
                                                     reinterpret_cast<LPARAM>(&sheet));
                                        return !Cancelled;
                                    });
            } catch (...) {  // no memory left to draw a page
                AbortDoc(Printer);
            }
            PostMessageW(window, JobEndedMessage, static_cast<WPARAM>(job), 0);
        });
    }

    void OnCommand(int id, int code) override {
        if (id != IDCANCEL || !ButtonPressed(code)) return;
        Cancelled = true;
        EnableWindow(Control(IDCANCEL), FALSE);
    }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override {
        if (message == PageStartedMessage) {
            Tell(*reinterpret_cast<const MonthSheet*>(lParam));
        } else if (message == JobEndedMessage) {
            Result = static_cast<PrintJob>(wParam);
            End(0);
        } else {
            return false;
        }
        result = TRUE;
        return true;
    }

    void Tell(const MonthSheet& sheet) {
        SetWindowTextW(Control(ProgressTextId), YearProgressText(sheet).c_str());
    }

    const HDC Printer;
    const std::span<const MonthSheet> Sheets;
    const MessageUp Up;
    std::atomic<bool> Cancelled = false;
    PrintJob Result = PrintJob::Failed;
    std::thread Worker;
};

}  // namespace

std::optional<std::int16_t> RunYearDialog(HWND owner, std::int16_t proposed) {
    YearDialog dialog(owner, proposed);
    dialog.RunModal();
    return dialog.Chosen;
}

void PrintYear(HWND owner, PrinterSettings& kept, const MonthSheet& shown,
               const std::function<YearSheets(std::int16_t year)>& sheetsOf) {
    const std::optional<std::int16_t> year = RunYearDialog(owner, shown.Year);
    if (!year) return;
    const YearSheets sheets = sheetsOf(*year);
    if (sheets.Sheets.empty()) {
        ShowMessage(owner, sheets.Unread + L"\r\n" + ReadResultMessage(sheets.Why));
        return;
    }
    const std::optional<UniqueDc> printer = ChosenPrinter(owner, kept, YearUnprintableMessage);
    if (!printer) return;
    ProgressWindow progress(owner, printer->Get(), sheets.Sheets);
    progress.RunModal();
    if (progress.Outcome() == PrintJob::Failed) ShowMessage(owner, YearUnprintableMessage);
}
