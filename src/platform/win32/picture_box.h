#pragma once
// An owner-drawn picture control (a STATIC with SS_OWNERDRAW) that keeps its own picture, an
// off-screen image the size of the control's client area. The program paints into Dc(); the
// dialog holding the control repaints the control from the picture whenever the system asks
// (WM_DRAWITEM), so what was painted stays visible after the control is covered and uncovered.

#include <windows.h>

#include <functional>
#include <memory>

#include "platform/win32/memory_image.h"

class PictureBox {
  public:
    // The picture takes the control's current client size and starts filled with the background.
    explicit PictureBox(HWND control);
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    HWND Control() const { return Window; }
    int Width() const { return Image->Width(); }
    int Height() const { return Image->Height(); }
    // The picture's device context: draw here, then Repaint().
    HDC Dc() const { return Image->Dc(); }
    // After the control was resized: a new picture of its client size, filled with the
    // background, in the same colours.
    void FitToControl();

    // Drawing colour (text) and background colour of the picture's device context.
    void SetColors(COLORREF foreground, COLORREF background);
    // Fills the whole picture with the background colour.
    void Clear();
    // Plain copy (SRCCOPY) of the picture's whole area from the source DC's top-left corner.
    void CopyFrom(HDC source);
    // The source's area of this size stretched over the whole picture, quickly rather than well.
    void StretchFrom(HDC source, int width, int height);
    // Shows the picture's current contents at once.
    void Repaint();
    // Answers WM_DRAWITEM for this control.
    void Draw(const DRAWITEMSTRUCT& item) const;
    // Drawn on the control over the picture at every repaint, never into the picture: marks
    // that belong to the screen only.
    void SetOverlay(std::function<void(HDC)> overlay) { Overlay = std::move(overlay); }

  private:
    HWND Window;
    std::unique_ptr<MemoryImage> Image;
    COLORREF Foreground = RGB(0, 0, 0);
    COLORREF Background = RGB(255, 255, 255);
    std::function<void(HDC)> Overlay;
};
