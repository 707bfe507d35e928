#include "editor/day_editor_win32.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "editor/day_editor_controls.h"
#include "editor/day_editor_layout.h"
#include "editor/day_editor_model.h"
#include "editor/icon_choice.h"
#include "editor/icon_chooser_win32.h"
#include "persistence/work_file_messages.h"
#include "platform/cp1252.h"
#include "platform/win32/color_dialog.h"
#include "platform/win32/handles.h"
#include "platform/win32/memory_dialog.h"
#include "platform/win32/message_box.h"
#include "platform/win32/program_file.h"
#include "render/icon_places.h"

namespace {

constexpr wchar_t ResetQuestion[] =
    L"Seguro que quieres resetear ... ?\r\nPerdera toda la informaci\u00F3n de este d\u00EDa ...";

class DayEditorDialog : public MemoryDialog {
  public:
    DayEditorDialog(HWND owner, MonthSheet& sheet, GridPlace place, DialogMemory& memory,
                    MemorizedDays& memorized)
        : MemoryDialog({.Caption = L"",  // the day's date, given when the editor starts
                        .ClientWidth = DayEditorClientWidth,
                        .ClientHeight = DayEditorClientHeight,
                        .Style = DialogFrameStyle,
                        .Owner = owner}),
          Model(sheet, place),
          Memory(memory),
          Memorized(memorized) {
        Build();
    }

  protected:
    void OnInitialise() override;
    void OnCommand(int id, int code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    // The swatches keep their colours; the icons are loaded again at the previews' new size.
    void OnResolutionChanged() override {
        for (int position = 0; position < IconCount; ++position) DrawIconPreview(position);
    }

  private:
    void Build();
    void ShowLineColor(int line, COLORREF color);
    void DrawIconPreview(int position);
    void SetTick(int id, bool ticked) {
        CheckDlgButton(Window(), id, ticked ? BST_CHECKED : BST_UNCHECKED);
    }

    void OnTickBox(int id);
    void OnPickColor(int line);
    void OnChooseIcon(int position);
    std::array<std::wstring, TextLineCount> TypedTexts() const;
    void OnExit();
    void OnReset();
    void OnMemorize();
    void ShowMemorized() {
        SetWindowTextW(Control(MemorizeButtonId), MemorizeButtonText(Model.IsMemorized(Memorized)));
    }

    DayEditorModel Model;
    DialogMemory& Memory;
    MemorizedDays& Memorized;
};

void DayEditorDialog::Build() {
    AddControls(DayEditorControls);
    std::vector<int> fontIds;
    for (const ControlLayout& control : DayEditorControls) {
        PictureBox* picture = Picture(control.Id);
        if (!picture) {
            fontIds.push_back(control.Id);
            continue;
        }
        const bool swatch = IndexOfId(SwatchIds, control.Id) >= 0;
        picture->SetColors(GetSysColor(COLOR_WINDOWTEXT),
                           swatch ? SwatchColorAtBuild : GetSysColor(COLOR_BTNFACE));
        picture->Clear();
    }
    SetControlFont(L"MS Sans Serif", 8, FW_BOLD, std::move(fontIds));
}

void DayEditorDialog::OnInitialise() {
    SetWindowTextW(Window(), Cp1252ToWide(Model.Caption()).c_str());
    for (const int id : AllCheckBoxIds) SetTick(id, Model.BoxTicked(id));
    for (int line = 0; line < TextLineCount; ++line) {
        SetDlgItemTextW(Window(), LineEditIds[line],
                        LineTextForEditing(Model.Edited(), line).c_str());
        ShowLineColor(line, Model.Edited().Lines[line].LineColor);
    }
    for (int position = 0; position < IconCount; ++position) DrawIconPreview(position);
    EnableWindow(Control(LockButtonId), FALSE);
    ShowMemorized();
}

// Every control's command goes to the one rule that decides what it does.
void DayEditorDialog::OnCommand(int id, int code) {
    const EditorCommandRole role = RoleOfCommand(id, code);
    switch (role.Command) {
        case EditorCommand::TickBox:
            OnTickBox(id);
            break;
        case EditorCommand::PickColor:
            OnPickColor(role.Index);
            break;
        case EditorCommand::ChooseIcon:
            OnChooseIcon(role.Index);
            break;
        case EditorCommand::Exit:
            OnExit();
            break;
        case EditorCommand::Reset:
            OnReset();
            break;
        case EditorCommand::Memorize:
            OnMemorize();
            break;
        case EditorCommand::None:
            break;
    }
}

bool DayEditorDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_CLOSE) {  // the system's close command (Alt+F4): the typed texts are dropped
        End(0);
        result = TRUE;
        return true;
    }
    if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == Control(NoticeId)) {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, NoticeColor);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    return false;
}

void DayEditorDialog::OnTickBox(int id) {
    const bool ticked = IsDlgButtonChecked(Window(), id) == BST_CHECKED;
    if (const int partner = Model.TickBox(id, ticked)) SetTick(partner, false);
}

void DayEditorDialog::OnPickColor(int line) {
    const std::optional<COLORREF> chosen =
        PickColor(Window(), ColorChooserStart, Memory.CustomColors);
    if (!chosen) return;
    ShowLineColor(line, *chosen);
    Model.TakeColorChoice(line, static_cast<Color>(*chosen));
}

void DayEditorDialog::OnChooseIcon(int position) {
    ChooseIconFile(Window(), Memory);
    if (Model.TakeIconChoice(position, Memory)) DrawIconPreview(position);
}

std::array<std::wstring, TextLineCount> DayEditorDialog::TypedTexts() const {
    std::array<std::wstring, TextLineCount> typed;
    for (int line = 0; line < TextLineCount; ++line) typed[line] = ControlText(LineEditIds[line]);
    return typed;
}

void DayEditorDialog::OnExit() {
    Model.KeepTypedTexts(TypedTexts());
    Sleep(ExitPauseMilliseconds);
    End(0);
}

void DayEditorDialog::OnReset() {
    if (!AskYesNo(Window(), ResetQuestion)) return;
    Model.ClearDay();
    End(0);
}

void DayEditorDialog::OnMemorize() {
    if (!Model.ToggleMemorized(Memorized, TypedTexts()))
        ShowMessage(Window(), WorkFileUnwritableMessage);
    ShowMemorized();
}

// The swatch shows the colour over its whole picture, white being its drawing colour.
void DayEditorDialog::ShowLineColor(int line, COLORREF color) {
    PictureBox* swatch = Picture(SwatchIds[line]);
    if (!swatch) return;
    swatch->SetColors(White, color);
    swatch->Clear();
    swatch->Repaint();
}

// The position's icon at 32 x 32 with its corner at (1, 1) (at 96 dpi), over what the preview
// shows already.
void DayEditorDialog::DrawIconPreview(int position) {
    PictureBox* preview = Picture(PreviewIds[position]);
    const std::string path(IconFileOf(Model.Edited().Icons[position]));
    if (!preview || path.empty()) return;
    const int size = LengthAtDpi(PreviewIconSize, DotsPerInch());
    const int offset = LengthAtDpi(PreviewIconOffset, DotsPerInch());
    UniqueIcon icon;
    for (const std::wstring& place : IconFilePlaces(Cp1252ToWide(path), ProgramFilePath())) {
        icon.Reset(static_cast<HICON>(
            LoadImageW(nullptr, place.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
        if (icon) break;
    }
    if (!icon) return;
    DrawIconEx(preview->Dc(), offset, offset, icon.Get(), size, size, 0, nullptr, DI_NORMAL);
    preview->Repaint();
}

}  // namespace

void OpenDayEditor(HWND owner, MonthSheet& sheet, GridPlace place, DialogMemory& memory,
                   MemorizedDays& memorized) {
    DayEditorDialog editor(owner, sheet, place, memory, memorized);
    editor.RunModal();
}
