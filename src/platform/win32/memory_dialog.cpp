#include "platform/win32/memory_dialog.h"

#include <algorithm>
#include <cstdint>

#include "platform/win32/fonts.h"
#include "platform/win32/message_box.h"
#include "platform/win32/monitor_area.h"
#include "platform/win32/program_file.h"
#include "platform/window_place.h"

namespace {

// Windows of the dialogs that are running now, innermost last: every loop routes keyboard
// messages to the dialog that the message's window belongs to.
std::vector<HWND> LiveDialogs;

void Append(std::vector<WORD>& words, std::wstring_view text) {
    words.insert(words.end(), text.begin(), text.end());
    words.push_back(0);
}

void AppendDword(std::vector<WORD>& words, DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
}

// A DLGTEMPLATE without controls; the window gets its real size and place afterwards.
std::vector<WORD> BuildTemplate(const DialogFrame& frame) {
    std::vector<WORD> words;
    const DWORD style = (frame.Style & ~WS_VISIBLE) | DS_SETFONT;
    AppendDword(words, style);
    AppendDword(words, frame.ExStyle);
    words.push_back(0);  // no controls
    words.insert(words.end(), {0, 0, 0, 0});
    words.push_back(0);  // no menu
    words.push_back(0);  // the standard dialog class
    Append(words, frame.Caption);
    words.push_back(8);  // dialog font: no text of the program is shown in it
    Append(words, L"MS Shell Dlg");
    return words;
}

struct ControlClass {
    const wchar_t* Name;
    DWORD Style;  // besides WS_CHILD | WS_VISIBLE
    DWORD ExStyle = 0;
};

ControlClass ClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return {L"STATIC", SS_LEFT};
        case ControlKind::FramedLabel:
            return {L"STATIC", WS_BORDER | SS_LEFT};
        case ControlKind::Icon:
            return {L"STATIC", SS_ICON};
        case ControlKind::Picture:
            return {L"STATIC", SS_NOTIFY | SS_OWNERDRAW};
        case ControlKind::FramedPicture:
            return {L"STATIC", WS_BORDER | SS_OWNERDRAW};
        case ControlKind::GroupBox:
            return {L"BUTTON", BS_GROUPBOX};
        case ControlKind::CheckBox:
            return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX};
        case ControlKind::PushButton:
            return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON};
        case ControlKind::TextBox:  // no ES_AUTOHSCROLL: typing stops at the box's edge
            return {L"EDIT", WS_TABSTOP | ES_LEFT, WS_EX_CLIENTEDGE};
        case ControlKind::NumberBox:
            return {L"EDIT", WS_TABSTOP | ES_LEFT | ES_NUMBER, WS_EX_CLIENTEDGE};
        case ControlKind::SortedList:
            return {L"LISTBOX", WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT};
        case ControlKind::List:
            return {L"LISTBOX", WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY};
        case ControlKind::DropDownList:
            return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST};
    }
    return {L"STATIC", 0};
}

// A function of user32 that older systems lack, or null there.
template <typename Function>
Function* User32Function(const char* name) {
    return reinterpret_cast<Function*>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

// The dialog manager's own answer to a change of resolution (from Windows 10 1703, for
// PerMonitorV2 windows: DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_CONTROL_DPI_CHANGE_BEHAVIORS) scales
// the window, moves the controls and sends them a font of its own; the dialog does all of it
// from its layout instead. Where the functions are missing, so is that answer.
void KeepDialogFromSystemScaling(HWND dialog) {
    using Set = BOOL WINAPI(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    static Set* const set = User32Function<Set>("SetDialogDpiChangeBehavior");
    if (set) set(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

void KeepControlFromSystemScaling(HWND control) {
    using Set =
        BOOL WINAPI(HWND, DIALOG_CONTROL_DPI_CHANGE_BEHAVIORS, DIALOG_CONTROL_DPI_CHANGE_BEHAVIORS);
    static Set* const set = User32Function<Set>("SetDialogControlDpiChangeBehavior");
    constexpr auto all = static_cast<DIALOG_CONTROL_DPI_CHANGE_BEHAVIORS>(DCDC_DISABLE_FONT_UPDATE |
                                                                          DCDC_DISABLE_RELAYOUT);
    if (set) set(control, all, all);
}

void GiveFont(HWND dialog, HFONT font, const std::vector<int>& ids) {
    for (const int id : ids)
        SendMessageW(GetDlgItem(dialog, id), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace

MemoryDialog::MemoryDialog(const DialogFrame& frame)
    : LayoutClient{frame.ClientWidth, frame.ClientHeight} {
    const std::vector<WORD> dialogTemplate = BuildTemplate(frame);
    Dialog = CreateDialogIndirectParamW(
        ProgramInstance(), reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()), frame.Owner,
        &MemoryDialog::Procedure, reinterpret_cast<LPARAM>(this));
    if (!Dialog) return;
    KeepDialogFromSystemScaling(Dialog);
    PlaceWindow(frame);
}

MemoryDialog::~MemoryDialog() {
    if (Dialog) {
        SetWindowLongPtrW(Dialog, DWLP_USER, 0);
        DestroyWindow(Dialog);
    }
}

void MemoryDialog::PlaceWindow(const DialogFrame& frame) {
    // On the owner's monitor; a window without one is on the monitor it was created on.
    const HWND placed = frame.Owner ? frame.Owner : Dialog;
    const MonitorArea monitor = MonitorAreaOf(placed);
    FitToMonitor(static_cast<int>(GetDpiForWindow(placed)), monitor.Work, [&](PixelSize outer) {
        return frame.Centred
                   ? CentreInWorkArea(outer, monitor.Work)
                   : MoveIntoWorkArea({monitor.Corner.x + frame.Left, monitor.Corner.y + frame.Top,
                                       outer.Width, outer.Height},
                                      monitor.Work);
    });
}

void MemoryDialog::FitToMonitor(int monitorDpi, const PixelBox& work,
                                const std::function<PixelBox(PixelSize outer)>& place) {
    // The frame is drawn at the monitor's resolution, whatever the dialog's layout is.
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(Dialog, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(Dialog, GWL_EXSTYLE));
    RECT frameRect{};
    AdjustWindowRectExForDpi(&frameRect, style, FALSE, exStyle, static_cast<UINT>(monitorDpi));
    PixelSize outer{frameRect.right - frameRect.left, frameRect.bottom - frameRect.top};
    Dpi = WindowDotsPerInch(LayoutClient, outer, {work.Width, work.Height}, monitorDpi);
    const PixelSize client{LengthAtDpi(LayoutClient.Width, Dpi),
                           LengthAtDpi(LayoutClient.Height, Dpi)};
    outer.Width += client.Width;
    outer.Height += client.Height;

    const bool topmost = (exStyle & WS_EX_TOPMOST) != 0;
    const auto moveTo = [&](const PixelBox& box) {
        SetWindowPos(Dialog, topmost ? HWND_TOPMOST : nullptr, box.Left, box.Top, box.Width,
                     box.Height, SWP_NOACTIVATE | (topmost ? 0 : SWP_NOZORDER));
    };
    moveTo(place(outer));
    // Some frames differ from what AdjustWindowRectExForDpi predicts: correct by what was measured.
    RECT measured{};
    GetClientRect(Dialog, &measured);
    if (measured.right != client.Width || measured.bottom != client.Height) {
        outer.Width += client.Width - measured.right;
        outer.Height += client.Height - measured.bottom;
        moveTo(place(outer));
    }
}

// At the place the system suggests (WM_DPICHANGED), with the size the layout has there.
void MemoryDialog::LayOutAgain(int monitorDpi, const RECT& suggested) {
    FitToMonitor(monitorDpi, MonitorAreaAt(suggested).Work, [&](PixelSize outer) {
        return PixelBox{suggested.left, suggested.top, outer.Width, outer.Height};
    });
    for (const PlacedControl& control : Placed) {
        const PixelBox box = BoxAtDpi(control.Box, Dpi);
        SetWindowPos(control.Window, nullptr, box.Left, box.Top, box.Width, box.Height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (KeptFont& font : Fonts) {
        UniqueFont made = CreateDialogFont(font.Face, font.Points, font.Weight, Dpi);
        GiveFont(Dialog, made.Get(), font.Ids);
        font.Font = std::move(made);  // the old one, which no control uses any more, goes
    }
    for (const auto& picture : Pictures) picture->FitToControl();
    OnResolutionChanged();
    RedrawWindow(Dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND MemoryDialog::AddControl(const ControlLayout& layout) {
    const ControlClass kind = ClassOf(layout.Kind);
    const PixelBox box = BoxAtDpi(layout.Box, Dpi);
    const HWND control = CreateWindowExW(
        kind.ExStyle, kind.Name, layout.Text, WS_CHILD | WS_VISIBLE | kind.Style, box.Left, box.Top,
        box.Width, box.Height, Dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.Id)),
        ProgramInstance(), nullptr);
    KeepControlFromSystemScaling(control);
    Placed.push_back({control, layout.Box});
    if (layout.Kind == ControlKind::Picture || layout.Kind == ControlKind::FramedPicture)
        Pictures.push_back(std::make_unique<PictureBox>(control));
    return control;
}

std::wstring MemoryDialog::ControlText(int id) const {
    const HWND control = Control(id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void MemoryDialog::AddControls(std::span<const ControlLayout> layouts) {
    for (const ControlLayout& layout : layouts) AddControl(layout);
}

PictureBox* MemoryDialog::Picture(int id) const {
    for (const auto& picture : Pictures)
        if (GetDlgCtrlID(picture->Control()) == id) return picture.get();
    return nullptr;
}

void MemoryDialog::SetControlFont(std::wstring_view face, int points, int weight,
                                  std::vector<int> ids) {
    KeptFont& font = Fonts.emplace_back(KeptFont{std::wstring(face), points, weight, std::move(ids),
                                                 CreateDialogFont(face, points, weight, Dpi)});
    GiveFont(Dialog, font.Font.Get(), font.Ids);
}

INT_PTR MemoryDialog::RunModal() {
    if (!Dialog) return -1;
    LiveDialogs.push_back(Dialog);
    OnInitialise();
    if (!HasEnded) {
        ShowWindow(Dialog, SW_SHOW);
        if (!IsChild(Dialog, GetFocus())) {
            if (const HWND first = GetNextDlgTabItem(Dialog, nullptr, FALSE)) SetFocus(first);
        }
        RunLoop();
    }
    LiveDialogs.erase(std::remove(LiveDialogs.begin(), LiveDialogs.end(), Dialog),
                      LiveDialogs.end());
    SetWindowLongPtrW(Dialog, DWLP_USER, 0);
    DestroyWindow(Dialog);
    Dialog = nullptr;
    return Result;
}

bool MemoryDialog::RouteKeyboard(MSG& message) {
    if (!message.hwnd) return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (std::find(LiveDialogs.begin(), LiveDialogs.end(), root) == LiveDialogs.end()) return false;
    const auto* dialog = reinterpret_cast<const MemoryDialog*>(GetWindowLongPtrW(root, DWLP_USER));
    if (dialog && dialog->Shortcuts && TranslateAcceleratorW(root, dialog->Shortcuts, &message))
        return true;
    return IsDialogMessageW(root, &message) != FALSE;
}

void MemoryDialog::RunLoop() {
    while (!HasEnded) {
        MSG message{};
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // Leave the quit request for the loops further out.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!RouteKeyboard(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void MemoryDialog::End(INT_PTR result) {
    if (HasEnded) return;
    HasEnded = true;
    Result = result;
    if (Dialog) {
        ShowWindow(Dialog, SW_HIDE);
        PostMessageW(Dialog, WM_NULL, 0, 0);
    }
}

INT_PTR CALLBACK MemoryDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return FALSE;
    }
    auto* self = reinterpret_cast<MemoryDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!self) return FALSE;
    try {
        return self->Handle(message, wParam, lParam);
    } catch (...) {
        ShowInternalError(window);
        return FALSE;
    }
}

INT_PTR MemoryDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCACTIVATE:
            if (!wParam) {
                const HWND focus = GetFocus();
                if (focus && IsChild(Dialog, focus)) SavedFocus = focus;
            } else if (SavedFocus) {
                if (IsWindow(SavedFocus)) SetFocus(SavedFocus);
                SavedFocus = nullptr;
            }
            return FALSE;  // the frame is still drawn by the system
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (const PictureBox* picture = Picture(static_cast<int>(item.CtlID))) {
                picture->Draw(item);
                return TRUE;
            }
            break;
        }
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        default:
            break;
    }
    INT_PTR result = FALSE;
    if (OnMessage(message, wParam, lParam, result)) return result;
    // A dialog that places itself on a change of resolution answers it in OnMessage (the main
    // window does). Handled here, it is answered TRUE, with the result 0 WM_DPICHANGED asks for;
    // its X and Y resolutions are the same.
    if (message == WM_DPICHANGED) {
        LayOutAgain(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return TRUE;
    }
    return FALSE;
}
