#include "platform/win32/picture_box.h"

#include <algorithm>

namespace {

MemoryImage ImageForClientArea(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    return MemoryImage(std::max<int>(1, client.right - client.left),
                       std::max<int>(1, client.bottom - client.top));
}

}  // namespace

PictureBox::PictureBox(HWND control) : Window(control), Image(ImageForClientArea(control)) {
    SetColors(GetSysColor(COLOR_WINDOWTEXT), RGB(255, 255, 255));
    Clear();
}

void PictureBox::SetColors(COLORREF foreground, COLORREF background) {
    Background = background;
    SetTextColor(Image.Dc(), foreground);
    SetBkColor(Image.Dc(), background);
}

void PictureBox::Clear() {
    const RECT all{0, 0, Image.Width(), Image.Height()};
    const COLORREF previous = SetBkColor(Image.Dc(), Background);
    ExtTextOutW(Image.Dc(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    SetBkColor(Image.Dc(), previous);
}

void PictureBox::CopyFrom(HDC source) {
    BitBlt(Image.Dc(), 0, 0, Image.Width(), Image.Height(), source, 0, 0, SRCCOPY);
}

void PictureBox::Repaint() {
    InvalidateRect(Window, nullptr, FALSE);
    UpdateWindow(Window);
}

void PictureBox::Draw(const DRAWITEMSTRUCT& item) const {
    BitBlt(item.hDC, 0, 0, Image.Width(), Image.Height(), Image.Dc(), 0, 0, SRCCOPY);
}
