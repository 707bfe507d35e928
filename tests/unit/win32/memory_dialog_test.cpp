#include "platform/win32/memory_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "unit/win32/thread_dialogs.h"

namespace {

constexpr DWORD PopupDialog = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_3DLOOK | DS_NOFAILCREATE;

RECT ClientRectOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

RECT ChildRectInParent(HWND child) {
    RECT box{};
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&box), 2);
    return box;
}

// A dialog whose behaviour each test writes with small callbacks.
class ScriptedDialog : public MemoryDialog {
  public:
    using MemoryDialog::MemoryDialog;
    std::function<void()> Initialise;
    std::function<void(int id)> Command;
    std::function<void()> AppMessage;  // WM_APP, posted by the tests to run a step in the loop

  protected:
    void OnInitialise() override {
        if (Initialise) Initialise();
    }
    void OnCommand(int id, int, HWND) override {
        if (Command) Command(id);
    }
    bool OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) override {
        if (message != WM_APP || !AppMessage) return false;
        AppMessage();
        result = TRUE;
        return true;
    }
};

DialogFrame SmallFrame(const wchar_t* caption) {
    DialogFrame frame;
    frame.Caption = caption;
    frame.ClientWidth = 270;
    frame.ClientHeight = 320;
    frame.Left = 105;
    frame.Top = 114;
    frame.Style = PopupDialog;
    return frame;
}

TEST(MemoryDialogGeometry, ClientAreaPositionAndControlsAreInExactPixels) {
    DialogFrame frame = SmallFrame(L"Prueba");
    frame.ExStyle = WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
    ScriptedDialog dialog(frame);
    ASSERT_NE(dialog.Window(), nullptr);

    const RECT client = ClientRectOf(dialog.Window());
    EXPECT_EQ(client.right, 270);
    EXPECT_EQ(client.bottom, 320);
    RECT outer{};
    GetWindowRect(dialog.Window(), &outer);
    EXPECT_EQ(outer.left, 105);
    EXPECT_EQ(outer.top, 114);
    EXPECT_TRUE(GetWindowLongPtrW(dialog.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(IsWindowVisible(dialog.Window()));  // shown only when it runs
    EXPECT_FALSE(GetWindowLongPtrW(dialog.Window(), GWL_STYLE) & WS_SYSMENU);

    wchar_t caption[32]{};
    GetWindowTextW(dialog.Window(), caption, 32);
    EXPECT_STREQ(caption, L"Prueba");

    const HWND button = dialog.AddControl(
        {.Id = 5005, .Kind = ControlKind::PushButton, .Text = L"Salir", .Box = {184, 264, 75, 24}});
    const RECT placed = ChildRectInParent(button);
    EXPECT_EQ(placed.left, 184);
    EXPECT_EQ(placed.top, 264);
    EXPECT_EQ(placed.right - placed.left, 75);
    EXPECT_EQ(placed.bottom - placed.top, 24);
    EXPECT_EQ(dialog.Control(5005), button);
}

TEST(MemoryDialogGeometry, CentredDialogSitsInTheMiddleOfTheWorkArea) {
    DialogFrame frame = SmallFrame(L"Centrado");
    frame.Centred = true;
    frame.ClientWidth = 400;
    frame.ClientHeight = 300;
    ScriptedDialog dialog(frame);
    RECT outer{};
    GetWindowRect(dialog.Window(), &outer);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((outer.left + outer.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((outer.top + outer.bottom) / 2, (work.top + work.bottom) / 2, 1);
    EXPECT_EQ(ClientRectOf(dialog.Window()).right, 400);
}

TEST(MemoryDialogRun, InitialisesShowsAndReturnsTheEndResult) {
    ScriptedDialog dialog(SmallFrame(L"Uno"));
    bool wasVisibleDuringLoop = false;
    dialog.Initialise = [&] { PostMessageW(dialog.Window(), WM_APP, 0, 0); };
    dialog.AppMessage = [&] {
        wasVisibleDuringLoop = IsWindowVisible(dialog.Window());
        dialog.End(7);
    };
    EXPECT_EQ(dialog.RunModal(), 7);
    EXPECT_TRUE(wasVisibleDuringLoop);
    EXPECT_EQ(dialog.Window(), nullptr);  // destroyed once the loop has returned
}

// A dialog opened from inside another one runs its own loop; the outer dialog keeps receiving
// its messages meanwhile, and ending the outer one first does not cut the inner one short.
TEST(MemoryDialogRun, NestedDialogsKeepTheOuterOneUsableAndUnwindInOrder) {
    ScriptedDialog outer(SmallFrame(L"Fuera"));
    outer.AddControl(
        {.Id = 10, .Kind = ControlKind::PushButton, .Text = L"A", .Box = {8, 8, 60, 24}});
    std::vector<std::string> events;
    outer.Command = [&](int id) {
        if (id == 10) {
            events.push_back("outer button while inner open");
            outer.End(1);  // like "Salir" of the main window chosen during a nested dialog
            PostMessageW(GetActiveWindow(), WM_APP, 0, 0);
        }
    };
    outer.Initialise = [&] { PostMessageW(outer.Window(), WM_APP, 0, 0); };
    outer.AppMessage = [&] {
        ScriptedDialog inner(SmallFrame(L"Dentro"));
        inner.Initialise = [&] {
            // Click the outer dialog's button while the inner loop is running.
            PostMessageW(outer.Control(10), BM_CLICK, 0, 0);
        };
        inner.AppMessage = [&] {
            events.push_back("inner ends");
            inner.End(2);
        };
        const INT_PTR innerResult = inner.RunModal();
        events.push_back("inner returned " + std::to_string(innerResult));
        EXPECT_TRUE(outer.Ended());
    };
    EXPECT_EQ(outer.RunModal(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"outer button while inner open", "inner ends",
                                                "inner returned 2"}));
}

TEST(MemoryDialogRun, GivesTheFocusBackToTheControlThatHadItWhenReactivated) {
    ScriptedDialog outer(SmallFrame(L"Foco"));
    outer.AddControl({.Id = 21, .Kind = ControlKind::TextBox, .Box = {8, 8, 100, 24}});
    const HWND second =
        outer.AddControl({.Id = 22, .Kind = ControlKind::TextBox, .Box = {8, 40, 100, 24}});
    HWND focusInInner = nullptr;
    HWND focusAfterInner = nullptr;
    outer.Initialise = [&] { PostMessageW(outer.Window(), WM_APP, 0, 0); };
    outer.AppMessage = [&] {
        SetFocus(second);
        {
            ScriptedDialog inner(SmallFrame(L"Otro"));
            inner.AddControl({.Id = 31, .Kind = ControlKind::TextBox, .Box = {8, 8, 100, 24}});
            inner.Initialise = [&] { PostMessageW(inner.Window(), WM_APP, 0, 0); };
            inner.AppMessage = [&] {
                focusInInner = GetFocus();
                inner.End(0);
            };
            inner.RunModal();
        }
        SetActiveWindow(outer.Window());
        focusAfterInner = GetFocus();
        outer.End(0);
    };
    outer.RunModal();
    EXPECT_NE(focusInInner, second);
    EXPECT_EQ(focusAfterInner, second);
}

// The picture is the control's memory: what was painted into it comes back whenever the system
// asks the control to paint itself again.
TEST(PictureBox, RepaintsItsOwnPictureWheneverAsked) {
    ScriptedDialog dialog(SmallFrame(L"Imagen"));
    dialog.AddControl({.Id = 40, .Kind = ControlKind::Picture, .Box = {10, 10, 64, 48}});
    ASSERT_NE(dialog.Picture(40), nullptr);
    PictureBox& picture = *dialog.Picture(40);
    EXPECT_EQ(picture.Width(), 64);
    EXPECT_EQ(picture.Height(), 48);

    COLORREF beforeCover = 0, afterCover = 0, untouched = 0, spoiled = 0;
    dialog.Initialise = [&] { PostMessageW(dialog.Window(), WM_APP, 0, 0); };
    dialog.AppMessage = [&] {
        picture.SetColors(RGB(0, 0, 0), RGB(0, 0, 255));
        picture.Clear();
        const RECT spot{0, 0, 20, 20};
        const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(picture.Dc(), &spot, red);
        DeleteObject(red);
        picture.Repaint();
        const HDC screen = GetDC(picture.Control());
        beforeCover = GetPixel(screen, 5, 5);
        untouched = GetPixel(screen, 40, 30);
        // Spoil what is on screen, as a window passing over it would, and let the system ask
        // the control to paint itself again.
        const RECT all{0, 0, 64, 48};
        const HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
        FillRect(screen, &all, green);
        DeleteObject(green);
        spoiled = GetPixel(screen, 5, 5);
        InvalidateRect(picture.Control(), nullptr, TRUE);
        UpdateWindow(picture.Control());
        afterCover = GetPixel(screen, 5, 5);
        ReleaseDC(picture.Control(), screen);
        dialog.End(0);
    };
    dialog.RunModal();
    EXPECT_EQ(beforeCover, RGB(255, 0, 0));
    EXPECT_EQ(untouched, RGB(0, 0, 255));
    EXPECT_EQ(spoiled, RGB(0, 255, 0));
    EXPECT_EQ(afterCover, RGB(255, 0, 0));
}

// A command that throws is told to the user as an internal error with the exception's text,
// and the dialog goes on taking commands.
TEST(MemoryDialogErrors, AnExceptionInACommandIsToldAndTheDialogGoesOn) {
    ScriptedDialog dialog(SmallFrame(L"Errores"));
    static HWND window = nullptr;
    static std::wstring told;
    window = dialog.Window();
    told.clear();
    std::vector<int> commands;
    dialog.Command = [&](int id) {
        commands.push_back(id);
        if (id == 1) throw std::runtime_error("disco lleno");
        dialog.End(0);
    };
    dialog.Initialise = [&] {
        // The message box runs its own loop, which runs this timer: it reads the box's text,
        // answers it and sends the next command (which it also does when no box comes).
        static int ticks = 0;
        ticks = 0;
        SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
            const HWND box = VisibleThreadDialog(L"Programador");
            if (!box && ++ticks < 40) return;
            KillTimer(nullptr, timer);
            if (box) {
                wchar_t text[64] = {};
                GetDlgItemTextW(box, 0xFFFF, text, 64);
                told = text;
                SendMessageW(box, WM_COMMAND, IDOK, 0);
            }
            PostMessageW(window, WM_COMMAND, 2, 0);
        });
        PostMessageW(dialog.Window(), WM_COMMAND, 1, 0);
    };
    dialog.RunModal();
    EXPECT_EQ(told, L"Error interno: disco lleno");
    EXPECT_EQ(commands, (std::vector<int>{1, 2}));
}

}  // namespace
