#include "app/commands/month_chooser_win32.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "app/commands/month_chooser_rules.h"
#include "platform/cp1252.h"
#include "platform/win32/memory_dialog.h"

namespace {

constexpr int YearLabelId = 5001;
constexpr int YearBoxId = 5002;
constexpr int MonthLabelId = 5003;
constexpr int MonthListId = 5004;
constexpr int ExitId = 5005;

using enum ControlKind;

constexpr ControlLayout ChooserControls[] = {
    {.Id = YearLabelId, .Kind = Label, .Text = L"A\u00f1o", .Box = {8, 8, 96, 24}},
    {.Id = YearBoxId, .Kind = NumberBox, .Box = {8, 32, 150, 32}},
    {.Id = MonthLabelId, .Kind = Label, .Text = L"Elige mes", .Box = {8, 72, 150, 24}},
    {.Id = MonthListId, .Kind = SortedList, .Box = {8, 96, 150, 216}},
    {.Id = ExitId, .Kind = PushButton, .Text = L"Salir", .Box = {184, 264, 75, 24}},
};

class MonthChooser final : public MemoryDialog {
  public:
    MonthChooser(HWND owner, const MonthSheet& shown)
        : MemoryDialog({.Caption = L"Elige mes y a\u00f1o",
                        .ClientWidth = 270,
                        .ClientHeight = 320,
                        .Style = DialogFrameStyle | WS_VISIBLE | WS_CLIPSIBLINGS,
                        .ExStyle = WS_EX_TOPMOST | WS_EX_CONTROLPARENT,
                        .Owner = owner}),
          Shown(shown) {
        AddControls(ChooserControls);
        SetControlFont(L"MS Sans Serif", 10, FW_BOLD, {YearLabelId, MonthLabelId, ExitId});
        SetControlFont(L"MS Sans Serif", 14, FW_NORMAL, {YearBoxId});
        SetControlFont(L"MS Sans Serif", 10, FW_NORMAL, {MonthListId});
    }

    ChosenMonth Chosen() const { return Result; }

  private:
    void OnInitialise() override {
        const HWND list = Control(MonthListId);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (int month = 1; month <= 12; ++month) {
            const std::wstring item = Cp1252ToWide(MonthItemText(month));
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
    }

    void OnCommand(int id, int code) override {
        if (id == MonthListId && code == LBN_SELCHANGE) {
            TakePickedMonth();
        } else if (id == ExitId && ButtonPressed(code)) {
            CloseIfComplete();
        }
    }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) override {
        // A close request from the system is held to the same rule as "Salir".
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
            CloseIfComplete();
            result = TRUE;
            return true;
        }
        return false;
    }

    void TakePickedMonth() {
        const HWND list = Control(MonthListId);
        const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
        if (index == LB_ERR) return;
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length == LB_ERR) return;
        std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<std::size_t>(length));
        PickedMonth = MonthOfItem(WideToCp1252(item));
    }

    // The month is chosen only here, so while the chooser waits the document keeps the month on
    // show and can never be saved with a year that reading would refuse.
    void CloseIfComplete() {
        const std::int16_t year = YearOfTypedText(WideToCp1252(ControlText(YearBoxId)));
        const std::int16_t month = PickedMonth.value_or(Shown.Month);
        if (!ChooserMayClose(year, month)) return;
        Result = {year, month};
        End(0);
    }

    const MonthSheet& Shown;
    ChosenMonth Result{};
    std::optional<std::int16_t> PickedMonth;  // none: the month on show when the chooser closes
};

}  // namespace

ChosenMonth RunMonthChooser(HWND owner, const MonthSheet& shown) {
    MonthChooser chooser(owner, shown);
    chooser.RunModal();
    return chooser.Chosen();
}
