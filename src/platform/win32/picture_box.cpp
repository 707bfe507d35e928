#include "platform/win32/picture_box.h"

#include <algorithm>

PictureBox::PictureBox(HWND control) : Window(control) {
    RECT client{};
    GetClientRect(control, &client);
    PictureWidth = std::max<int>(1, client.right - client.left);
    PictureHeight = std::max<int>(1, client.bottom - client.top);
    ScreenDc screen;
    Memory.Reset(CreateCompatibleDC(screen.Get()));
    Image.Reset(CreateCompatibleBitmap(screen.Get(), PictureWidth, PictureHeight));
    PreviousBitmap = SelectObject(Memory.Get(), Image.Get());
    SetColors(GetSysColor(COLOR_WINDOWTEXT), RGB(255, 255, 255));
    Clear();
}

PictureBox::~PictureBox() {
    if (PreviousBitmap) SelectObject(Memory.Get(), PreviousBitmap);
}

void PictureBox::SetColors(COLORREF foreground, COLORREF background) {
    Background = background;
    SetTextColor(Memory.Get(), foreground);
    SetBkColor(Memory.Get(), background);
}

void PictureBox::Clear() {
    const RECT all{0, 0, PictureWidth, PictureHeight};
    const COLORREF previous = SetBkColor(Memory.Get(), Background);
    ExtTextOutW(Memory.Get(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    SetBkColor(Memory.Get(), previous);
}

void PictureBox::CopyFrom(HDC source) {
    BitBlt(Memory.Get(), 0, 0, PictureWidth, PictureHeight, source, 0, 0, SRCCOPY);
}

void PictureBox::Repaint() {
    InvalidateRect(Window, nullptr, FALSE);
    UpdateWindow(Window);
}

void PictureBox::Draw(const DRAWITEMSTRUCT& item) const {
    BitBlt(item.hDC, 0, 0, PictureWidth, PictureHeight, Memory.Get(), 0, 0, SRCCOPY);
}
