#include "app/commands/memorized_list_win32.h"

#include <string>

#include "persistence/work_file_messages.h"
#include "platform/cp1252.h"
#include "platform/win32/memory_dialog.h"
#include "platform/win32/message_box.h"

namespace {

constexpr int DateListId = 5201;
constexpr int ForgetId = 5202;
constexpr int HowToId = 5203;

using enum ControlKind;

constexpr ControlLayout ListControls[] = {
    {.Id = DateListId, .Kind = List, .Box = {12, 12, 300, 220}},
    {.Id = HowToId,
     .Kind = Label,
     .Text = L"No hay fechas memorizadas. Para memorizar un d\u00eda, \u00e1bralo en la hoja, "
             L"v\u00edstalo y pulse \"Memorizar\": cada hoja nueva de su mes lo traer\u00e1, "
             L"cualquier a\u00f1o.",
     .Box = {20, 60, 284, 80}},
    {.Id = ForgetId, .Kind = PushButton, .Text = L"Olvidar", .Box = {156, 244, 75, 24}},
    {.Id = IDCANCEL, .Kind = PushButton, .Text = L"Cerrar", .Box = {237, 244, 75, 24}},
};

class MemorizedList final : public MemoryDialog {
  public:
    MemorizedList(HWND owner, KeptMemorizedDays& days)
        : MemoryDialog({.Caption = L"Fechas memorizadas",
                        .ClientWidth = 324,
                        .ClientHeight = 280,
                        .Centred = true,
                        .Style = DialogFrameStyle | WS_SYSMENU,
                        .Owner = owner}),
          Days(days) {
        AddControls(ListControls);
        SetControlFont(L"MS Sans Serif", 10, FW_NORMAL, {DateListId, HowToId, ForgetId, IDCANCEL});
    }

  private:
    void OnInitialise() override { ShowDates(); }

    void OnCommand(int id, int code) override {
        if (!ButtonPressed(code)) return;
        if (id == ForgetId) OnForget();
        if (id == IDCANCEL) End(0);
    }

    void ShowDates() {
        Shown = Days.Load().Dates;
        const HWND list = Control(DateListId);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (const MemorizedDate& date : Shown.All()) {
            const std::wstring line = Cp1252ToWide(MemorizedDateLine(date));
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        }
        const bool none = Shown.All().empty();
        ShowWindow(Control(HowToId), none ? SW_SHOW : SW_HIDE);
        ShowWindow(list, none ? SW_HIDE : SW_SHOW);
        EnableWindow(Control(ForgetId), !none);
    }

    void OnForget() {
        const LRESULT chosen = SendMessageW(Control(DateListId), LB_GETCURSEL, 0, 0);
        if (chosen < 0 || chosen >= static_cast<LRESULT>(Shown.All().size())) return;
        const MemorizedDate& date = Shown.All()[static_cast<std::size_t>(chosen)];
        if (!Days.Forget(date.Month, date.DayOfMonth))
            ShowMessage(Window(), WorkFileUnwritableMessage);
        ShowDates();
    }

    KeptMemorizedDays& Days;
    MemorizedDates Shown;  // as the list shows them
};

}  // namespace

void RunMemorizedList(HWND owner, KeptMemorizedDays& days) {
    MemorizedList dialog(owner, days);
    dialog.RunModal();
}
