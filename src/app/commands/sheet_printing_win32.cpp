#include "app/commands/sheet_printing_win32.h"

#include <optional>
#include <string>

#include "calendar/calendar_names.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/print_answers.h"
#include "platform/win32/message_box.h"
#include "platform/win32/print_dialog.h"
#include "render/draw_month_sheet.h"
#include "render/gdi_canvas_win32.h"
#include "render/page_fit.h"

static_assert(CancelledByUserError == ERROR_CANCELLED);

namespace {

PrinterPage PageOf(HDC printer) {
    return {GetDeviceCaps(printer, PHYSICALWIDTH),   GetDeviceCaps(printer, PHYSICALHEIGHT),
            GetDeviceCaps(printer, HORZRES),         GetDeviceCaps(printer, VERTRES),
            GetDeviceCaps(printer, PHYSICALOFFSETX), GetDeviceCaps(printer, PHYSICALOFFSETY),
            GetDeviceCaps(printer, LOGPIXELSX),      GetDeviceCaps(printer, LOGPIXELSY)};
}

void DrawSheet(HDC printer, SheetScale placement, const MonthSheet& sheet) {
    GdiCanvas canvas(printer, placement);
    DrawMonthSheet(canvas, sheet, TodayLocal());
}

}  // namespace

PrintJob PrintSheetsOn(HDC printer, const std::wstring& jobName, std::span<const MonthSheet> sheets,
                       const BeforePage& beforePage) {
    const std::optional<SheetScale> placement = FitSheetOnPage(PageOf(printer));
    if (!placement) return PrintJob::Failed;
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = jobName.c_str();
    SetLastError(ERROR_SUCCESS);  // so that an earlier error does not pass for StartDoc's
    if (StartDocW(printer, &document) <= 0)
        return StartCancelledByUser(GetLastError()) ? PrintJob::Cancelled : PrintJob::Failed;
    for (const MonthSheet& sheet : sheets) {
        if (beforePage && !beforePage(sheet)) {
            AbortDoc(printer);
            return PrintJob::Cancelled;
        }
        // A page the spooler refuses or a job cancelled meanwhile makes StartPage or EndPage fail.
        bool printed = StartPage(printer) > 0;
        if (printed) {
            DrawSheet(printer, *placement, sheet);
            printed = EndPage(printer) > 0;
        }
        if (!printed) {
            AbortDoc(printer);
            return PrintJob::Failed;
        }
    }
    return EndDoc(printer) > 0 ? PrintJob::Spooled : PrintJob::Failed;
}

PrintJob PrintSheetOn(HDC printer, const MonthSheet& sheet) {
    return PrintSheetsOn(printer,
                         L"Almanaque - " + Cp1252ToWide(SheetTitle(sheet.Year, sheet.Month)),
                         {&sheet, 1}, nullptr);
}

std::optional<UniqueDc> ChosenPrinter(HWND owner, PrinterSettings& kept, const wchar_t* failure) {
    // With no printer, the system's dialog says so in its own words (untranslated on some
    // systems) and then answers as if cancelled.
    if (!AnyPrinterInstalled()) {
        ShowMessage(owner, NoPrinterMessage);
        return std::nullopt;
    }
    PrinterChoice choice = ChoosePrinter(owner, kept);
    if (choice.What == PrinterChoice::Outcome::Print) return std::move(choice.Printer);
    if (choice.What == PrinterChoice::Outcome::Failed) ShowMessage(owner, failure);
    return std::nullopt;
}

void PrintSheet(HWND owner, PrinterSettings& kept, const MonthSheet& sheet) {
    const std::optional<UniqueDc> printer = ChosenPrinter(owner, kept, SheetUnprintableMessage);
    if (printer && PrintSheetOn(printer->Get(), sheet) == PrintJob::Failed)
        ShowMessage(owner, SheetUnprintableMessage);
}
