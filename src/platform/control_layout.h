#pragma once
// How a dialog describes its controls: one entry per control, written with the names of its
// fields, in creation order (which is also the tab order). Positions and sizes are client
// pixels of a 96-dpi screen; a dialog shown at another resolution scales them all by one rule.
// The Windows side gives each kind its window class and styles.

inline constexpr int LayoutDotsPerInch = 96;

enum class ControlKind {
    Label,          // static text
    FramedLabel,    // static text inside a thin border
    Icon,           // a static that shows an icon
    Picture,        // an owner-drawn picture kept by the dialog (PictureBox); takes clicks
    FramedPicture,  // the same inside a thin border, without clicks
    GroupBox,
    CheckBox,  // ticks and unticks itself when clicked
    PushButton,
    TextBox,     // one line; typing stops at the box's edge
    NumberBox,   // a text box that takes digits only
    SortedList,  // a list box that sorts its items and reports each change of selection
    List,        // a list box that keeps its items in the order given
    DropDownList,  // a closed list that drops down to choose one of its items; its box's
                   // height is the dropped list's
};

struct PixelBox {
    int Left;
    int Top;
    int Width;
    int Height;
    bool operator==(const PixelBox&) const = default;
};

// A length of the layout at a resolution (dots per inch), rounded as the system's MulDiv rounds
// (an exact half up; no length of a layout is negative).
constexpr int LengthAtDpi(int length, int dotsPerInch) {
    return (2 * length * dotsPerInch + LayoutDotsPerInch) / (2 * LayoutDotsPerInch);
}

// A box of the layout at a resolution. Its edges are scaled, not its size, so boxes that touch
// or line up at 96 dpi still do.
constexpr PixelBox BoxAtDpi(PixelBox box, int dotsPerInch) {
    const int left = LengthAtDpi(box.Left, dotsPerInch);
    const int top = LengthAtDpi(box.Top, dotsPerInch);
    return {left, top, LengthAtDpi(box.Left + box.Width, dotsPerInch) - left,
            LengthAtDpi(box.Top + box.Height, dotsPerInch) - top};
}

struct ControlLayout {
    int Id = 0;
    ControlKind Kind = ControlKind::Label;
    const wchar_t* Text = L"";
    PixelBox Box{};
};

// A push button acts on notification 0 (clicked) or 1 (chosen by its accelerator key).
constexpr bool ButtonPressed(int notification) {
    return notification == 0 || notification == 1;
}
