#include "app/commands/about_box_win32.h"

#include <windows.h>

#include <utility>

#include "platform/win32/handles.h"
#include "platform/win32/memory_dialog.h"
#include "platform/win32/program_file.h"

namespace {

constexpr int IconId = 3002;
constexpr int NoticeId = 3004;
constexpr int ExitId = 3005;
constexpr int IconSize = 64;

using enum ControlKind;

constexpr ControlLayout AboutControls[] = {
    {.Id = IconId, .Kind = Icon, .Box = {8, 8, IconSize, IconSize}},
    {.Id = NoticeId,
     .Kind = Label,
     .Text = L"Almanaque, hecho por el equipo de Almanaque.\r\n"
             L"Se concede a toda persona permiso para usar este programa libremente, sin coste "
             L"alguno.",
     .Box = {8, 72, 280, 80}},
    {.Id = ExitId, .Kind = PushButton, .Text = L"Salir", .Box = {216, 160, 75, 24}},
};

class AboutBox final : public MemoryDialog {
  public:
    explicit AboutBox(HWND owner)
        : MemoryDialog({.Caption = L"Autor",
                        .ClientWidth = 302,
                        .ClientHeight = 197,
                        .Style = DialogFrameStyle,
                        .Owner = owner}) {
        AddControls(AboutControls);
        ShowProgramIcon();
        SetControlFont(L"MS Sans Serif", 10, FW_BOLD, {NoticeId, ExitId});
    }

  private:
    UniqueIcon ProgramIcon;  // outlives the control, which is destroyed with the dialog

    // An icon control takes the size of its icon, which has the control's size.
    void ShowProgramIcon() {
        UniqueIcon icon = LoadProgramIcon(LengthAtDpi(IconSize, DotsPerInch()));
        if (!icon) return;
        SendMessageW(Control(IconId), STM_SETICON, reinterpret_cast<WPARAM>(icon.Get()), 0);
        ProgramIcon = std::move(icon);  // the one shown before, if any, goes
    }

    void OnResolutionChanged() override { ShowProgramIcon(); }

    void OnCommand(int id, int code) override {
        if (id == ExitId && ButtonPressed(code)) End(0);
    }
};

}  // namespace

void RunAboutBox(HWND owner) {
    AboutBox box(owner);
    box.RunModal();
}
