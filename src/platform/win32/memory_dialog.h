#pragma once
// Dialogs built in code, laid out in pixels of a 96-dpi screen.
//
// A MemoryDialog creates its window hidden from an in-memory template that holds no controls,
// chooses the resolution it is laid out at (that of its owner's monitor, or of its own without an
// owner; lower when it would not fit in that monitor's work area: platform/window_place.h), gives
// it the outer size that makes the client area exactly the size asked for at that resolution,
// places it at its position from the monitor's corner or in the middle of the work area, moved
// into the work area as far as needed,
// and then takes its controls from their layouts (CreateWindowExW at their positions at that
// resolution, control_layout.h). RunModal() calls OnInitialise(), shows the window and runs a
// message loop until End() is called, then destroys the window.
//
// A dialog may have an owner window, above which it always stays; the owner is never disabled:
// every other window of the program stays usable while a dialog is up.
// A dialog opened from a command of another one runs its loop nested inside that command; each
// loop routes the keyboard of every live dialog (tab, arrows, mnemonics), so all of them stay
// fully usable, and a loop ends only when its own dialog has ended. A dialog given keyboard
// shortcuts has them translated by every loop, for keys pressed in that dialog only.
//
// Every dialog remembers the control that had the keyboard focus when it was deactivated
// (WM_NCACTIVATE) and gives the focus back when it is activated again. It repaints its
// PictureBox controls on WM_DRAWITEM. No exception leaves the dialog procedure: one that reaches
// it is told to the user as an internal error, and the program goes on.
//
// Moved to a monitor of another resolution (WM_DPICHANGED), a dialog is laid out again as when it
// was made, at the new monitor's resolution: its size, every control's box from its layout, its
// fonts made again, its pictures fitted to their new size and empty for OnResolutionChanged() to
// draw. The system's dialog manager is kept from scaling any of it its own way.

#include <windows.h>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control_layout.h"
#include "platform/win32/handles.h"
#include "platform/win32/picture_box.h"
#include "platform/window_place.h"

// Where the program's dialogs put their outer top-left corner, from the monitor's.
inline constexpr POINT DialogScreenOrigin{105, 114};

// The frame of the program's dialogs: a caption, a modal border, the fonts set on the controls,
// and the dialog made even when a control cannot be.
inline constexpr DWORD DialogFrameStyle =
    WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT | DS_NOFAILCREATE;

struct DialogFrame {
    std::wstring Caption;
    int ClientWidth = 0;  // at 96 dpi
    int ClientHeight = 0;
    bool Centred = false;             // centred in the work area; otherwise at Left, Top
    int Left = DialogScreenOrigin.x;  // the window's outer top-left corner from the monitor's
    int Top = DialogScreenOrigin.y;
    DWORD Style = 0;       // WS_* and DS_* styles; the window is created hidden whatever they say
    DWORD ExStyle = 0;     // WS_EX_TOPMOST keeps the dialog above all other windows
    HWND Owner = nullptr;  // the window the dialog stays above, or none
};

class MemoryDialog {
  public:
    explicit MemoryDialog(const DialogFrame& frame);
    virtual ~MemoryDialog();
    MemoryDialog(const MemoryDialog&) = delete;
    MemoryDialog& operator=(const MemoryDialog&) = delete;

    HWND Window() const { return Dialog; }
    // The resolution the dialog is laid out at.
    int DotsPerInch() const { return Dpi; }
    HWND Control(int id) const { return GetDlgItem(Dialog, id); }
    std::wstring ControlText(int id) const;

    // Controls at their layout's place at the dialog's resolution. A picture control gets a
    // PictureBox, which the dialog keeps and repaints.
    HWND AddControl(const ControlLayout& layout);
    void AddControls(std::span<const ControlLayout> layouts);
    PictureBox* Picture(int id) const;
    // Gives the controls a font of this size at the dialog's resolution (WM_SETFONT), which the
    // dialog keeps, and makes again for a new resolution.
    void SetControlFont(std::wstring_view face, int points, int weight, std::vector<int> ids);
    // The dialog's keyboard shortcuts (TranslateAcceleratorW), which send WM_COMMAND as its menu
    // does. The caller keeps the table alive until the dialog has ended.
    void UseShortcuts(HACCEL shortcuts) { Shortcuts = shortcuts; }

    // OnInitialise, show, message loop until End(); the window is destroyed before returning.
    INT_PTR RunModal();
    // Ends the dialog: hides it at once; its loop returns the result when control gets back to it.
    void End(INT_PTR result);
    bool Ended() const { return HasEnded; }

  protected:
    virtual void OnInitialise() {}
    // WM_COMMAND: control or menu id and notification code.
    virtual void OnCommand(int /*id*/, int /*code*/) {}
    // Any other message; return true when handled, with the dialog procedure's result.
    virtual bool OnMessage(UINT /*message*/, WPARAM, LPARAM, INT_PTR& /*result*/) { return false; }
    // After the dialog was laid out again for a new resolution: what its pictures show, and
    // whatever else was made for the old resolution, made again.
    virtual void OnResolutionChanged() {}

  private:
    struct KeptFont {
        std::wstring Face;
        int Points;
        int Weight;
        std::vector<int> Ids;
        UniqueFont Font;
    };
    struct PlacedControl {
        HWND Window;
        PixelBox Box;  // at 96 dpi
    };

    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static bool RouteKeyboard(MSG& message);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void PlaceWindow(const DialogFrame& frame);
    // Chooses the resolution for a monitor of this one and this work area, and gives the window
    // the size whose client area is the layout's at it, where `place` puts a window of that size.
    void FitToMonitor(int monitorDpi, const PixelBox& work,
                      const std::function<PixelBox(PixelSize outer)>& place);
    void LayOutAgain(int monitorDpi, const RECT& suggested);
    void RunLoop();

    std::vector<KeptFont> Fonts;  // first, so that they are deleted after the window
    HWND Dialog = nullptr;
    PixelSize LayoutClient{};
    int Dpi = LayoutDotsPerInch;
    std::vector<PlacedControl> Placed;
    HWND SavedFocus = nullptr;
    HACCEL Shortcuts = nullptr;
    bool HasEnded = false;
    INT_PTR Result = 0;
    std::vector<std::unique_ptr<PictureBox>> Pictures;
};
