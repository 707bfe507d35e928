#include "app/commands/year_printing_win32.h"

#include <string>

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

constexpr DWORD DialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT | DS_NOFAILCREATE;

class YearDialog final : public MemoryDialog {
  public:
    YearDialog(HWND owner, std::int16_t proposed)
        : MemoryDialog({.Caption = L"Imprimir a\u00f1o",
                        .ClientWidth = 180,
                        .ClientHeight = 120,
                        .Centred = true,
                        .Style = DialogStyle,
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

// Shown while the job is made; it takes its own messages between the pages, and only those: the
// main window's commands wait until the job is done.
class ProgressWindow final : public MemoryDialog {
  public:
    explicit ProgressWindow(HWND owner)
        : MemoryDialog({.Caption = L"Imprimiendo",
                        .ClientWidth = 300,
                        .ClientHeight = 80,
                        .Centred = true,
                        .Style = DialogStyle,
                        .Owner = owner}) {
        AddControls(ProgressControls);
        SetControlFont(L"MS Sans Serif", 10, FW_NORMAL, {ProgressTextId, IDCANCEL});
        ShowWindow(Window(), SW_SHOW);
    }

    // Shows the text and handles what waits; false once "Cancelar" was pressed.
    bool Tell(const std::wstring& text) {
        SetWindowTextW(Control(ProgressTextId), text.c_str());
        UpdateWindow(Window());
        MSG message;
        while (PeekMessageW(&message, Window(), 0, 0, PM_REMOVE)) {
            if (IsDialogMessageW(Window(), &message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return !Cancelled;
    }

  private:
    void OnCommand(int id, int code) override {
        if (id == IDCANCEL && ButtonPressed(code)) Cancelled = true;
    }
    bool Cancelled = false;
};

}  // namespace

std::optional<std::int16_t> RunYearDialog(HWND owner, std::int16_t proposed) {
    YearDialog dialog(owner, proposed);
    dialog.RunModal();
    return dialog.Chosen;
}

void PrintYear(HWND owner, const MonthSheet& shown,
               const std::function<YearSheets(std::int16_t year)>& sheetsOf) {
    const std::optional<std::int16_t> year = RunYearDialog(owner, shown.Year);
    if (!year) return;
    const YearSheets sheets = sheetsOf(*year);
    if (sheets.Sheets.empty()) {
        ShowMessage(owner, sheets.Unread + L"\r\n" + ReadResultMessage(sheets.Why));
        return;
    }
    const std::optional<UniqueDc> printer = ChosenPrinter(owner, YearUnprintableMessage);
    if (!printer) return;
    ProgressWindow progress(owner);
    const PrintJob job = PrintSheetsOn(
        printer->Get(), YearJobName(*year), sheets.Sheets,
        [&](const MonthSheet& sheet) { return progress.Tell(YearProgressText(sheet)); });
    if (job == PrintJob::Failed) ShowMessage(owner, YearUnprintableMessage);
}
