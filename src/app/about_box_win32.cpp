#include "app/about_box_win32.h"

#include <windows.h>

#include "platform/win32/fonts.h"
#include "platform/win32/handles.h"
#include "platform/win32/memory_dialog.h"

namespace {

constexpr int IconId = 3002;
constexpr int NoticeId = 3004;
constexpr int ExitId = 3005;

constexpr wchar_t Notice[] =
    L"Almanaque, hecho por el equipo de Almanaque.\r\n"
    L"Se concede a toda persona permiso para usar este programa libremente, sin coste alguno.";

DialogFrame AboutFrame() {
    DialogFrame frame;
    frame.Caption = L"Autor";
    frame.ClientWidth = 302;
    frame.ClientHeight = 197;
    frame.Left = 105;
    frame.Top = 114;
    frame.Style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT | DS_NOFAILCREATE;
    return frame;
}

class AboutBox final : public MemoryDialog {
  public:
    explicit AboutBox(HFONT font) : MemoryDialog(AboutFrame()) {
        const HWND picture =
            AddControl({IconId, L"STATIC", L"#200", 8, 8, 64, 64, WS_CHILD | WS_VISIBLE | SS_ICON});
        // An icon control takes the size of its icon: the 64-pixel image keeps it 64 x 64.
        Icon.Reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(200),
                                                 IMAGE_ICON, 64, 64, LR_DEFAULTCOLOR)));
        if (Icon) SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(Icon.Get()), 0);
        AddControl({NoticeId, L"STATIC", Notice, 8, 72, 280, 80, WS_CHILD | WS_VISIBLE});
        AddControl(
            {ExitId, L"BUTTON", L"Salir", 216, 160, 75, 24, WS_CHILD | WS_VISIBLE | WS_TABSTOP});
        SetControlFont(font, {NoticeId, ExitId});
    }

  private:
    UniqueIcon Icon;  // outlives the control, which is destroyed with the dialog

    void OnCommand(int id, int code, HWND) override {
        if (id == ExitId && (code == BN_CLICKED || code == 1)) End(0);
    }
};

}  // namespace

void RunAboutBox() {
    const UniqueFont font = CreateDialogFont(L"MS Sans Serif", 10, FW_BOLD);
    AboutBox box(font.Get());
    box.RunModal();
}
