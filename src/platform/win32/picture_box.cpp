#include "platform/win32/picture_box.h"

#include <algorithm>

namespace {

std::unique_ptr<MemoryImage> ImageForClientArea(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    return std::make_unique<MemoryImage>(std::max<int>(1, client.right - client.left),
                                         std::max<int>(1, client.bottom - client.top));
}

}  // namespace

PictureBox::PictureBox(HWND control) : Window(control), Image(ImageForClientArea(control)) {
    SetColors(GetSysColor(COLOR_WINDOWTEXT), RGB(255, 255, 255));
    Clear();
}

void PictureBox::SetColors(COLORREF foreground, COLORREF background) {
    Foreground = foreground;
    Background = background;
    SetTextColor(Dc(), foreground);
    SetBkColor(Dc(), background);
}

void PictureBox::FitToControl() {
    Image = ImageForClientArea(Window);
    SetColors(Foreground, Background);
    Clear();
}

void PictureBox::Clear() {
    const RECT all{0, 0, Width(), Height()};
    const COLORREF previous = SetBkColor(Dc(), Background);
    ExtTextOutW(Dc(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    SetBkColor(Dc(), previous);
}

void PictureBox::CopyFrom(HDC source) {
    BitBlt(Dc(), 0, 0, Width(), Height(), source, 0, 0, SRCCOPY);
}

void PictureBox::StretchFrom(HDC source, int width, int height) {
    SetStretchBltMode(Dc(), COLORONCOLOR);
    StretchBlt(Dc(), 0, 0, Width(), Height(), source, 0, 0, width, height, SRCCOPY);
}

void PictureBox::Repaint() {
    InvalidateRect(Window, nullptr, FALSE);
    UpdateWindow(Window);
}

void PictureBox::Draw(const DRAWITEMSTRUCT& item) const {
    BitBlt(item.hDC, 0, 0, Width(), Height(), Dc(), 0, 0, SRCCOPY);
    if (Overlay) Overlay(item.hDC);
}
