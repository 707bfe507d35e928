#include "app/commands/calendar_dialog_win32.h"

#include <string>

#include "app/commands/calendar_dialog_text.h"
#include "calendar/holidays.h"
#include "platform/win32/memory_dialog.h"

namespace {

constexpr int RegionLabelId = 5100;
constexpr int RegionListId = 5101;
constexpr int MoonPhasesId = 5102;
constexpr int YearsLineId = 5103;

using enum ControlKind;

constexpr ControlLayout CalendarControls[] = {
    {.Id = RegionLabelId, .Kind = Label, .Text = L"Festivos de:", .Box = {12, 15, 90, 20}},
    {.Id = RegionListId, .Kind = DropDownList, .Box = {104, 12, 232, 320}},
    {.Id = MoonPhasesId, .Kind = CheckBox, .Text = L"Fases de la luna", .Box = {104, 46, 232, 22}},
    {.Id = YearsLineId, .Kind = Label, .Box = {12, 80, 324, 60}},
    {.Id = IDOK, .Kind = PushButton, .Text = L"Aceptar", .Box = {180, 148, 75, 24}},
    {.Id = IDCANCEL, .Kind = PushButton, .Text = L"Cancelar", .Box = {261, 148, 75, 24}},
};

class CalendarDialog final : public MemoryDialog {
  public:
    CalendarDialog(HWND owner, const CalendarChoice& current)
        : MemoryDialog({.Caption = L"Calendario",
                        .ClientWidth = 348,
                        .ClientHeight = 184,
                        .Centred = true,
                        .Style = DialogFrameStyle | WS_SYSMENU,
                        .Owner = owner}),
          Current(current) {
        AddControls(CalendarControls);
        SetControlFont(L"MS Sans Serif", 10, FW_NORMAL,
                       {RegionLabelId, RegionListId, MoonPhasesId, YearsLineId, IDOK, IDCANCEL});
    }

    std::optional<CalendarChoice> Chosen() const { return Result; }

  private:
    void OnInitialise() override {
        const HWND list = Control(RegionListId);
        for (const HolidayRegion& region : HolidayRegions) {
            const std::wstring name(region.Name);
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
            if (region == Current.Region)
                SendMessageW(list, CB_SETCURSEL, SendMessageW(list, CB_GETCOUNT, 0, 0) - 1, 0);
        }
        SendMessageW(Control(MoonPhasesId), BM_SETCHECK,
                     Current.MoonPhases ? BST_CHECKED : BST_UNCHECKED, 0);
        SetWindowTextW(Control(YearsLineId), ListedYearsLine(ListedHolidayYears()).c_str());
    }

    void OnCommand(int id, int code) override {
        if (!ButtonPressed(code)) return;
        if (id == IDOK) {
            const LRESULT chosen = SendMessageW(Control(RegionListId), CB_GETCURSEL, 0, 0);
            Result = CalendarChoice{
                chosen >= 0 && chosen < static_cast<LRESULT>(HolidayRegions.size())
                    ? HolidayRegions[static_cast<std::size_t>(chosen)]
                    : NoHolidays,
                SendMessageW(Control(MoonPhasesId), BM_GETCHECK, 0, 0) == BST_CHECKED};
            End(0);
        } else if (id == IDCANCEL) {
            End(0);
        }
    }

    const CalendarChoice Current;
    std::optional<CalendarChoice> Result;
};

}  // namespace

std::optional<CalendarChoice> RunCalendarDialog(HWND owner, const CalendarChoice& current) {
    CalendarDialog dialog(owner, current);
    dialog.RunModal();
    return dialog.Chosen();
}
