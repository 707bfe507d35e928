#include "app/window/main_window_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>

#include "app/commands/about_box_win32.h"
#include "app/commands/calendar_dialog_win32.h"
#include "app/commands/image_export_win32.h"
#include "app/commands/memorized_list_win32.h"
#include "app/commands/month_chooser_win32.h"
#include "app/commands/sheet_printing_win32.h"
#include "app/commands/system_dialogs_win32.h"
#include "app/commands/year_printing_win32.h"
#include "app/document/startup_rules.h"
#include "app/recovery/folder_win32.h"
#include "app/window/main_menu.h"
#include "app/window/main_menu_win32.h"
#include "app/window/recent_files_win32.h"
#include "app/window/sheet_click.h"
#include "calendar/calendar_choice_win32.h"
#include "calendar/calendar_names.h"
#include "editor/day_editor_win32.h"
#include "persistence/memorized_file_win32.h"
#include "persistence/work_file_messages.h"
#include "persistence/work_file_name.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/path_text.h"
#include "platform/win32/file_drop.h"
#include "platform/win32/message_box.h"
#include "platform/win32/program_file.h"
#include "render/draw_month_sheet.h"

namespace {

using namespace MainWindowLayout;

// The sheet view takes its clicks through this subclass of the picture control.
constexpr UINT_PTR SheetViewSubclassId = 1;

// The first of the files dropped: a drop of several reads only one, as "Leer" does. The drop is
// finished before anything is read.
std::wstring FirstDroppedFile(HDROP handle) {
    const UniqueDrop drop(handle);
    const UINT length = DragQueryFileW(drop.Get(), 0, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    path.resize(DragQueryFileW(drop.Get(), 0, path.data(), length + 1));
    return path;
}

std::optional<DayKey> DayKeyOf(WPARAM key) {
    switch (key) {
        case VK_LEFT:
            return DayKey::DayBefore;
        case VK_RIGHT:
            return DayKey::DayAfter;
        case VK_UP:
            return DayKey::WeekBefore;
        case VK_DOWN:
            return DayKey::WeekAfter;
        case VK_HOME:
            return DayKey::FirstDay;
        case VK_END:
            return DayKey::LastDay;
        default:
            return std::nullopt;
    }
}

// The beat at which the recovery copy catches up with changes made inside the day editor, which
// go into the sheet while the editor is still open; other changes are followed at once.
constexpr UINT_PTR RecoveryTimerId = 1;
constexpr UINT RecoveryBeatMilliseconds = 250;
// How long the end of the Windows session may wait for the copy to be written: the system
// waits about five seconds for a program to return from WM_ENDSESSION.
constexpr std::chrono::milliseconds EndOfSessionWait{2000};

}  // namespace

MainWindow::MainWindow(std::wstring commandTail)
    : MemoryDialog({.Caption = L"Float Image Horizontal",
                    .ClientWidth = ClientWidth,
                    .ClientHeight = ClientHeight,
                    .Centred = true,
                    .Style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU |
                             WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_MODALFRAME |
                             DS_CENTER | DS_3DLOOK | DS_SETFONT | DS_NOFAILCREATE,
                    .ExStyle = WS_EX_CONTROLPARENT}),
      CommandTail(std::move(commandTail)),
      Memorized(UsersMemorizedDates()),
      Recovery(RecoveryFolder()) {
    if (!Window()) return;
    LoadIcons(GetDpiForWindow(Window()));

    AddControl({.Id = SheetViewId, .Kind = ControlKind::Picture});
    SheetView = Picture(SheetViewId);
    SheetView->SetColors(GetSysColor(COLOR_WINDOWTEXT), White);
    SheetView->SetOverlay([this](HDC dc) { DrawMark(dc); });
    // The sheet takes the keyboard focus; it is the window's first and only tab stop.
    SetWindowLongPtrW(SheetView->Control(), GWL_STYLE,
                      GetWindowLongPtrW(SheetView->Control(), GWL_STYLE) | WS_TABSTOP);

    Recent = LoadRecentFiles();
    UniqueMenu menu = BuildMainMenu(Recent);
    if (SetMenu(Window(), menu.Get())) menu.Release();  // the window owns it from now on
    Shortcuts = BuildMenuShortcuts();
    UseShortcuts(Shortcuts.Get());
    AcceptDroppedFiles(Window());
    FitSheetView();

    SetWindowSubclass(SheetView->Control(), &SheetViewProc, SheetViewSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
    Document.FollowChanges([this](SheetChange change) { OnSheetChanged(change); });
}

HWND MainWindow::SheetViewWindow() const {
    return SheetView ? SheetView->Control() : nullptr;
}

void MainWindow::OnInitialise() {
    SheetCanvas = std::make_unique<GdiCanvas>(ViewPlace.Scale);
    SystemDialogs dialogs(Window());
    const MemorizedDatesFile::Loaded memorized = Memorized.Load();
    if (memorized.SetAside)
        dialogs.ShowMessage(DamagedMemorizedDatesMessage(*memorized.SetAside).c_str());
    Document.StartToday(TodayLocal(), {memorized.Dates, LoadCalendarChoice()});
    Recovery.Start(Document, dialogs);
    if (!CommandTail.empty()) OpenCommandLineFile();
    SetTimer(Window(), RecoveryTimerId, RecoveryBeatMilliseconds, nullptr);
    // Started again by Windows after an update restarted it (not after a crash or a hang): the
    // recovery copy left at the end of the session is offered then.
    RegisterApplicationRestart(nullptr, RESTART_NO_CRASH | RESTART_NO_HANG);
}

// A sheet recovered at start-up has unsaved changes: the file opens once they are dealt with.
void MainWindow::OpenCommandLineFile() {
    const std::wstring path = TrimBlanks(WorkFilePathFromCommandTail(CommandTail));
    if (FileExists(path) && !AskBeforeDropping()) return;
    const std::optional<ReadResult> result = Document.ReadNamedFile(path);
    if (result == ReadResult::Replaced)
        RememberWorkFile();
    else if (result)
        ShowMessage(Window(), ReadResultMessage(*result));
}

void MainWindow::OnSheetChanged(SheetChange change) {
    if (change != SheetChange::Kept) RefreshSheet();
    FollowSheet();
}

void MainWindow::RefreshSheet() {
    const MonthSheet& sheet = Document.Sheet();
    Mark = MarkForMonth(Mark, TodayLocal(), sheet.Year, sheet.Month);
    SetWindowTextW(Window(), Cp1252ToWide(SheetTitle(sheet.Year, sheet.Month)).c_str());
    if (SheetCanvas->DrawnScale() != ViewPlace.Scale)
        SheetCanvas = std::make_unique<GdiCanvas>(ViewPlace.Scale);
    SheetCanvas->Clear(White);
    DrawMonthSheet(*SheetCanvas, sheet, TodayLocal());
    ShowCanvas();
}

void MainWindow::ShowCanvas() {
    if (SheetCanvas->DrawnScale() == ViewPlace.Scale)
        SheetView->CopyFrom(SheetCanvas->Dc());
    else
        SheetView->StretchFrom(SheetCanvas->Dc(), SheetCanvas->DrawnScale().PageWidth(),
                               SheetCanvas->DrawnScale().PageHeight());
    SheetView->Repaint();
}

void MainWindow::FitSheetView() {
    RECT client{};
    GetClientRect(Window(), &client);
    const SheetViewPlace place = PlaceSheetView({client.right, client.bottom});
    if (place == ViewPlace) return;
    ViewPlace = place;
    SetWindowPos(SheetView->Control(), nullptr, place.Box.Left, place.Box.Top, place.Box.Width,
                 place.Box.Height, SWP_NOZORDER | SWP_NOACTIVATE);
    SheetView->FitToControl();
    if (!SheetCanvas) return;  // drawn once the document is set up
    if (DraggingFrame)
        ShowCanvas();
    else
        RefreshSheet();
}

void MainWindow::OnCommand(int id, int /*code*/) {
    if (MessageIsUp()) return;  // one flow at a time: the message or question up belongs to one
    switch (id) {
        case MenuCommand::New:
            OnNew();
            break;
        case MenuCommand::PreviousMonth:
            OnMoveMonth(-1);
            break;
        case MenuCommand::NextMonth:
            OnMoveMonth(+1);
            break;
        case MenuCommand::About:
            OnAbout();
            break;
        case MenuCommand::Save:
            OnSave();
            break;
        case MenuCommand::Open:
            OnOpen();
            break;
        case MenuCommand::Calendar:
            OnCalendar();
            break;
        case MenuCommand::Memorized:
            OnMemorizedList();
            break;
        case MenuCommand::Undo:
        case MenuCommand::Redo:
            OnUndoOrRedo(id == MenuCommand::Undo);
            break;
        case MenuCommand::ExportImage:
            OnExportImage();
            break;
        case MenuCommand::Print:
            PrintSheet(Window(), Printing, Document.Sheet());
            break;
        case MenuCommand::PrintYear:
            OnPrintYear();
            break;
        case MenuCommand::Exit:
            OnExit();
            break;
        default:  // the recent files; every other id does nothing
            if (id >= MenuCommand::RecentFile &&
                id < MenuCommand::RecentFile + static_cast<int>(Recent.size()))
                OnRecentFile(static_cast<std::size_t>(id - MenuCommand::RecentFile));
            break;
    }
}

bool MainWindow::AskBeforeDropping() {
    SystemDialogs dialogs(Window());
    return Document.MayDrop(dialogs);
}

void MainWindow::FollowSheet() {
    if (!Ended()) Recovery.Follow(Document);
}

// The program ends normally, and its recovery copy goes: the question was answered.
void MainWindow::OnExit() {
    if (!AskBeforeDropping()) return;
    Recovery.Remove();
    End(0);
}

bool MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_INITMENUPOPUP:
            // Another copy of the program may have changed the list since.
            if (reinterpret_cast<HMENU>(wParam) == GetSubMenu(GetMenu(Window()), 0))
                ShowRecentFiles(LoadRecentFiles());
            else if (reinterpret_cast<HMENU>(wParam) == GetSubMenu(GetMenu(Window()), 1))
                ShowEditMenu(reinterpret_cast<HMENU>(wParam));
            return false;
        case WM_MENUSELECT:
            OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
            return false;
        case WM_EXITMENULOOP:
            RecentFileTip.Hide();
            return false;
        case WM_DROPFILES:
            OnDroppedFile(FirstDroppedFile(reinterpret_cast<HDROP>(wParam)));
            result = 0;
            return true;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED && SheetView) FitSheetView();
            return false;
        case WM_ENTERSIZEMOVE:
            DraggingFrame = true;
            return false;
        case WM_EXITSIZEMOVE:
            DraggingFrame = false;
            if (SheetCanvas && SheetCanvas->DrawnScale() != ViewPlace.Scale) RefreshSheet();
            return false;
        case WM_GETDPISCALEDSIZE: {
            // A dialog procedure gives a message's result through DWLP_MSGRESULT: TRUE, the size
            // given is the one to use.
            *reinterpret_cast<SIZE*>(lParam) = SizeAtDpi(static_cast<UINT>(wParam));
            SetWindowLongPtrW(Window(), DWLP_MSGRESULT, TRUE);
            result = TRUE;
            return true;
        }
        case WM_DPICHANGED:  // handled here, so the dialog manager does not scale the window itself
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            result = TRUE;
            return true;
        case WM_CLOSE:  // the close box, the system menu's "Cerrar", Alt+F4
            OnCommand(MenuCommand::Exit, 0);
            result = TRUE;
            return true;
        case WM_TIMER:
            if (wParam == RecoveryTimerId) FollowSheet();
            return wParam == RecoveryTimerId;
        case WM_QUERYENDSESSION:
            // Answered at once, as documented, and never held up by a question: the dialog
            // manager's default lets the session end (DefWindowProc returns TRUE).
            return false;
        case WM_ENDSESSION:
            OnEndSession(wParam != FALSE, lParam);
            return false;
        default:
            return false;
    }
}

SIZE MainWindow::SizeAtDpi(UINT dpi) const {
    RECT client{};
    GetClientRect(Window(), &client);
    const PixelSize scaled =
        ClientAtNewDpi({client.right, client.bottom}, static_cast<int>(GetDpiForWindow(Window())),
                       static_cast<int>(dpi));
    RECT outer{0, 0, scaled.Width, scaled.Height};
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(Window(), GWL_STYLE)),
                             TRUE, static_cast<DWORD>(GetWindowLongPtrW(Window(), GWL_EXSTYLE)),
                             dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

// The window takes the rectangle the system suggests for the new resolution as it is: it keeps
// the window under the cursor while it is dragged across monitors ("High DPI Desktop Application
// Development on Windows", common pitfalls). The sheet follows at WM_SIZE.
void MainWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
    LoadIcons(dpi);
    SetWindowPos(Window(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The caption's and the taskbar's icons at the sizes of this resolution.
void MainWindow::LoadIcons(UINT dpi) {
    UniqueIcon bigIcon = LoadProgramIcon(GetSystemMetricsForDpi(SM_CXICON, dpi));
    UniqueIcon smallIcon = LoadProgramIcon(GetSystemMetricsForDpi(SM_CXSMICON, dpi));
    // The window lets go of the old icons before they are destroyed.
    SendMessageW(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon.Get()));
    SendMessageW(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.Get()));
    BigIcon = std::move(bigIcon);
    SmallIcon = std::move(smallIcon);
}

// Once WM_ENDSESSION returns, the process may end at any moment: the copy is written before.
void MainWindow::OnEndSession(bool ending, LPARAM reasons) {
    if (!ending) return;
    FollowSheet();
    Recovery.Finish(EndOfSessionWait);
    if (reasons & ENDSESSION_CLOSEAPP) End(0);
}

void MainWindow::OnNew() {
    if (Document.IsRaised(Guard::MonthChooser) || !AskBeforeDropping()) return;
    const std::optional<RaisedGuard> choosing = Document.Raise(Guard::MonthChooser);
    const ChosenMonth chosen = RunMonthChooser(Window(), Document.Sheet());
    Document.StartMonth(chosen.Year, chosen.Month, NewSheetDressingNow());
}

void MainWindow::OnMoveMonth(int step) {
    SystemDialogs dialogs(Window());
    if (Document.MoveMonth(step, NewSheetDressingNow(), dialogs) == MonthMove::ReadItsFile)
        RememberWorkFile();
}

void MainWindow::OnOpen() {
    if (!AskBeforeDropping()) return;
    SystemDialogs dialogs(Window());
    if (Document.Open(dialogs)) RememberWorkFile();
}

void MainWindow::OnSave() {
    SystemDialogs dialogs(Window());
    if (Document.Save(dialogs)) RememberWorkFile();
}

void MainWindow::OnRecentFile(std::size_t index) {
    const std::wstring path = Recent[index];
    if (!AskBeforeDropping()) return;
    SystemDialogs dialogs(Window());
    switch (Document.ReadGivenFile(path, dialogs)) {
        case GivenFileRead::Read:
            RememberWorkFile();
            break;
        case GivenFileRead::Missing:
            ShowRecentFiles(ForgetRecentFile(path));
            break;
        case GivenFileRead::NotRead:
            break;
    }
}

// A file that is no work file is refused without a question: it would drop nothing.
void MainWindow::OnDroppedFile(const std::wstring& path) {
    if (MessageIsUp() || (HasWorkFileExtension(path) && !AskBeforeDropping())) return;
    SystemDialogs dialogs(Window());
    if (Document.ReadDroppedFile(path, dialogs)) RememberWorkFile();
}

void MainWindow::OnMenuSelect(int id, UINT flags, HMENU menu) {
    const int index = id - MenuCommand::RecentFile;
    if (menu && !(flags & MF_POPUP) && index >= 0 && index < static_cast<int>(Recent.size())) {
        for (int position = 0; position < GetMenuItemCount(menu); ++position)
            if (GetMenuItemID(menu, position) == static_cast<UINT>(id))
                return RecentFileTip.Show(menu, static_cast<UINT>(position),
                                          Recent[static_cast<std::size_t>(index)]);
    }
    RecentFileTip.Hide();
}

void MainWindow::RememberWorkFile() {
    ShowRecentFiles(RememberRecentFile(Document.NamedFile()));
}

void MainWindow::ShowRecentFiles(RecentFiles list) {
    Recent = std::move(list);
    FillFileMenu(GetSubMenu(GetMenu(Window()), 0), Recent);
}

// The choice is read afresh for every new sheet: another copy of the program may have changed it.
void MainWindow::OnCalendar() {
    const std::optional<RaisedGuard> open = Document.Raise(Guard::Dialog);
    if (!open) return;
    const std::optional<CalendarChoice> chosen = RunCalendarDialog(Window(), LoadCalendarChoice());
    if (chosen && !SaveCalendarChoice(*chosen)) ShowMessage(Window(), CalendarUnkeptMessage);
}

// One dialog of the program's own at a time: a second "Imprimir año" while the year is asked
// for opens nothing.
void MainWindow::OnPrintYear() {
    const std::optional<RaisedGuard> open = Document.Raise(Guard::Dialog);
    if (!open) return;
    PrintYear(Window(), Printing, Document.Sheet(), [&](std::int16_t year) {
        return SheetsOfYear(year, Document.Sheet(), Document.YearFolder(), NewSheetDressingNow());
    });
}

void MainWindow::OnUndoOrRedo(bool undo) {
    if (Document.IsRaised(Guard::Dialog)) return;
    if (undo)
        History.Undo();
    else
        History.Redo();
}

void MainWindow::ShowEditMenu(HMENU popup) const {
    const bool editing = Document.IsRaised(Guard::Dialog);
    FillEditMenu(popup, {History.UndoText(), History.RedoText(), !editing && History.CanUndo(),
                         !editing && History.CanRedo()});
}

void MainWindow::OnMemorizedList() {
    if (const std::optional<RaisedGuard> open = Document.Raise(Guard::Dialog))
        RunMemorizedList(Window(), Memorized);
}

NewSheetDressing MainWindow::NewSheetDressingNow() const {
    return {Memorized.Load().Dates, LoadCalendarChoice()};
}

void MainWindow::OnAbout() {
    if (const std::optional<RaisedGuard> open = Document.Raise(Guard::Dialog))
        RunAboutBox(Window());
}

// "Grabar Imagen" saves the sheet at 96 dpi, whatever the scale on screen.
void MainWindow::OnExportImage() {
    GdiCanvas image;
    DrawMonthSheet(image, Document.Sheet(), TodayLocal());
    ExportSheetImage(Window(), image, Document.ImageBaseName());
}

void MainWindow::OnSheetClick(LPARAM position) {
    const SheetPixel pixel =
        SheetPixelUnder(static_cast<std::uint16_t>(LOWORD(position)),
                        static_cast<std::uint16_t>(HIWORD(position)), ViewPlace.Scale);
    const GridPlace place = GridPlaceAt(pixel.X, pixel.Y);
    MoveMark(MarkOnPlace(Mark, place));
    OpenEditorOn(place);
}

bool MainWindow::OnSheetKey(WPARAM key) {
    const std::optional<DayKey> dayKey = DayKeyOf(key);
    const bool opens = key == VK_RETURN || key == VK_SPACE;
    if (!dayKey && !opens) return false;
    MarkShown = true;
    if (dayKey)
        MoveMark(MarkAfterKey(Mark, *dayKey));
    else if (const std::optional<GridPlace> place = PlaceOfMark(Mark))
        OpenEditorOn(*place);
    return true;
}

void MainWindow::OpenEditorOn(GridPlace place) {
    const std::optional<GridPlace> day =
        DayPlaceToOpen(Document.Sheet(), place, Document.IsRaised(Guard::Dialog));
    if (!day || MessageIsUp()) return;
    const std::optional<RaisedGuard> open = Document.Raise(Guard::Dialog);
    Document.Edit([&](MonthSheet& sheet) {
        OpenDayEditor(Window(), sheet, *day, Document.Dialogs(), Memorized);
    });
}

void MainWindow::MoveMark(const DayMark& mark) {
    Mark = mark;
    SheetView->Repaint();
}

void MainWindow::DrawMark(HDC dc) const {
    const HWND view = SheetView->Control();
    if (!MarkShown || GetFocus() != view) return;
    const std::optional<GridPlace> place = PlaceOfMark(Mark);
    if (!place) return;
    const PixelBox box = MarkBox(*place, ViewPlace.Scale);
    const RECT rect{box.Left, box.Top, box.Left + box.Width, box.Top + box.Height};
    DrawFocusRect(dc, &rect);
}

LRESULT CALLBACK MainWindow::SheetViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR self) {
    auto& main = *reinterpret_cast<MainWindow*>(self);
    try {
        switch (message) {
            case WM_LBUTTONDOWN:
                SetFocus(window);
                main.OnSheetClick(lParam);
                break;
            case WM_GETDLGCODE: {
                // The arrows, Enter for the sheet rather than for the dialog's default button, and
                // the characters Enter and Space type: unless asked for (DLGC_WANTMESSAGE), the
                // dialog manager takes them as mnemonics that match nothing, and beeps.
                const auto* key = reinterpret_cast<const MSG*>(lParam);
                const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
                const bool typed =
                    key && key->message == WM_CHAR && (key->wParam == L'\r' || key->wParam == L' ');
                return DLGC_WANTARROWS | (enter || typed ? DLGC_WANTMESSAGE : 0);
            }
            case WM_KEYDOWN:
                if (main.OnSheetKey(wParam)) return 0;
                break;
            case WM_SETFOCUS:
            case WM_KILLFOCUS:
                InvalidateRect(window, nullptr, FALSE);
                break;
            case WM_NCDESTROY:  // a subclass is removed before its window is gone
                RemoveWindowSubclass(window, &SheetViewProc, SheetViewSubclassId);
                break;
            default:
                break;
        }
    } catch (...) {
        ShowInternalError(main.Window());
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void RunMainWindow(std::wstring commandTail) {
    auto window = std::make_unique<MainWindow>(std::move(commandTail));
    window->RunModal();
}
