#include "app/window/main_window_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>

#include "app/commands/about_box_win32.h"
#include "app/commands/image_export_win32.h"
#include "app/window/main_menu.h"
#include "app/window/main_menu_win32.h"
#include "app/commands/month_chooser_win32.h"
#include "app/window/recent_files_win32.h"
#include "app/recovery/folder_win32.h"
#include "app/window/sheet_click.h"
#include "app/commands/sheet_printing_win32.h"
#include "app/document/startup_rules.h"
#include "app/document/unsaved_work.h"
#include "app/commands/work_file_dialogs_win32.h"
#include "app/document/work_file_flows.h"
#include "editor/day_editor_win32.h"
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

int IconSizeAt(HWND window, int metric) {
    return GetSystemMetricsForDpi(metric, GetDpiForWindow(window));
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
// How long the end of the Windows session may wait for the copy to be written.
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
      BigIcon(LoadProgramIcon(IconSizeAt(Window(), SM_CXICON))),
      SmallIcon(LoadProgramIcon(IconSizeAt(Window(), SM_CXSMICON))),
      Recovery(RecoveryFolder()) {
    if (!Window()) return;
    SendMessageW(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(BigIcon.Get()));
    SendMessageW(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(SmallIcon.Get()));

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
}

MainWindow::~MainWindow() {
    if (SheetView) RemoveWindowSubclass(SheetView->Control(), &SheetViewProc, SheetViewSubclassId);
}

HWND MainWindow::SheetViewWindow() const {
    return SheetView ? SheetView->Control() : nullptr;
}

void MainWindow::OnInitialise() {
    const LocalDate today = TodayLocal();
    MonthSheet& sheet = State.Sheet;
    sheet.Year = today.Year;
    sheet.Month = today.Month;
    State.ImageBaseName = FormImageBaseName(sheet.Year, sheet.Month);
    ResetCells(sheet);
    sheet.Cell(0, 2).Icons[8].Path = "apple.ico";
    SheetCanvas = std::make_unique<GdiCanvas>(ViewPlace.Scale);
    KeepAsUnchanged(State, L"");

    SystemWorkFileDialogs dialogs(Window());
    Recovery.Start(State, dialogs);
    if (!CommandTail.empty()) OpenCommandLineFile();
    RefreshSheet();
    SetTimer(Window(), RecoveryTimerId, RecoveryBeatMilliseconds, nullptr);
}

// A sheet recovered at start-up has unsaved changes: the file opens once they are dealt with.
void MainWindow::OpenCommandLineFile() {
    const std::wstring path = TrimBlanks(WorkFilePathFromCommandTail(CommandTail));
    if (FileExists(path) && !AskBeforeDropping()) return;
    State.WorkFilePath = path;
    const std::optional<ReadResult> result = ReadNamedWorkFile(State, path);
    if (result == ReadResult::Replaced)
        RememberWorkFile();
    else if (result)
        ShowMessage(ReadResultMessage(*result));
}

void MainWindow::RefreshSheet() {
    const MonthSheet& sheet = State.Sheet;
    Mark = MarkForMonth(Mark, TodayLocal(), sheet.Year, sheet.Month);
    SetWindowTextW(Window(), Cp1252ToWide(SheetTitle(sheet.Year, sheet.Month)).c_str());
    if (SheetCanvas->DrawnScale() != ViewPlace.Scale)
        SheetCanvas = std::make_unique<GdiCanvas>(ViewPlace.Scale);
    SheetCanvas->Clear(White);
    DrawMonthSheet(*SheetCanvas, sheet);
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
    switch (id) {
        case MenuCommand::New:
            OnNew();
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
        case MenuCommand::ExportImage:
            OnExportImage();
            break;
        case MenuCommand::Print:
            PrintSheet(Window(), State.Sheet);
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
    FollowSheet();
}

bool MainWindow::AskBeforeDropping() {
    SystemWorkFileDialogs dialogs(Window());
    return MayDropSheet(State, dialogs);
}

void MainWindow::FollowSheet() {
    if (!Ended()) Recovery.Follow(State);
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
        case WM_DPICHANGED:  // handled here, so the dialog manager does not scale the window itself
            OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
            result = 0;
            return true;
        case WM_CLOSE:  // the close box, the system menu's "Cerrar", Alt+F4
            OnCommand(MenuCommand::Exit, 0);
            result = TRUE;
            return true;
        case WM_TIMER:
            if (wParam == RecoveryTimerId) FollowSheet();
            return wParam == RecoveryTimerId;
        case WM_QUERYENDSESSION:
            // The end of the session is never held up by a question: the recovery copy is made
            // current, and the next start offers it. The dialog manager's default answer lets
            // the session end (DefWindowProc returns TRUE); at WM_ENDSESSION nothing is left to do.
            FollowSheet();
            Recovery.Finish(EndOfSessionWait);
            return false;
        default:
            return false;
    }
}

// The window takes the place and size the system suggests for the new resolution, as documented
// for WM_DPICHANGED, but never more than the new monitor's work area.
void MainWindow::OnDpiChanged(const RECT& suggested) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST), &monitor);
    const LONG width =
        std::min(suggested.right - suggested.left, monitor.rcWork.right - monitor.rcWork.left);
    const LONG height =
        std::min(suggested.bottom - suggested.top, monitor.rcWork.bottom - monitor.rcWork.top);
    SetWindowPos(Window(), nullptr, suggested.left, suggested.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::OnNew() {
    if (State.ChooserBusy || !AskBeforeDropping()) return;
    const RaisedFlag busy(State.ChooserBusy);
    RunMonthChooser(Window(), State.Sheet);
    MonthSheet& sheet = State.Sheet;
    ResetCells(sheet);
    StartUnsaved(State);
    RefreshSheet();
    // The exported image is named after the month on show.
    State.ImageBaseName = FormImageBaseName(sheet.Year, sheet.Month);
}

void MainWindow::OnOpen() {
    if (!AskBeforeDropping()) return;
    SystemWorkFileDialogs dialogs(Window());
    if (!OpenWorkFileFlow(State, dialogs)) return;
    RememberWorkFile();
    RefreshSheet();
}

// The sheet is not redrawn after a save.
void MainWindow::OnSave() {
    SystemWorkFileDialogs dialogs(Window());
    if (SaveWorkFileFlow(State, dialogs)) RememberWorkFile();
}

void MainWindow::OnRecentFile(std::size_t index) {
    const std::wstring path = Recent[index];
    if (!AskBeforeDropping()) return;
    SystemWorkFileDialogs dialogs(Window());
    switch (ReadGivenWorkFile(State, path, dialogs)) {
        case GivenFileRead::Read:
            RememberWorkFile();
            RefreshSheet();
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
    if (HasWorkFileExtension(path) && !AskBeforeDropping()) return;
    SystemWorkFileDialogs dialogs(Window());
    if (!ReadDroppedFile(State, path, dialogs)) return;
    RememberWorkFile();
    RefreshSheet();
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
    ShowRecentFiles(RememberRecentFile(State.WorkFilePath));
}

void MainWindow::ShowRecentFiles(RecentFiles list) {
    Recent = std::move(list);
    FillFileMenu(GetSubMenu(GetMenu(Window()), 0), Recent);
}

void MainWindow::OnAbout() {
    if (State.EditorOpen) return;
    const RaisedFlag open(State.EditorOpen);
    RunAboutBox(Window());
}

// "Grabar Imagen" saves the sheet at 96 dpi, whatever the scale on screen.
void MainWindow::OnExportImage() {
    GdiCanvas image;
    DrawMonthSheet(image, State.Sheet);
    ExportSheetImage(image, State.ImageBaseName);
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
    const std::optional<GridPlace> day = DayPlaceToOpen(State.Sheet, place, State.EditorOpen != 0);
    if (!day) return;
    const RaisedFlag open(State.EditorOpen);
    OpenDayEditor(Window(), State.Sheet, *day, State.Dialogs);
    RefreshSheet();
    FollowSheet();
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
            default:
                break;
        }
    } catch (...) {
        ShowInternalError();
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void RunMainWindow(std::wstring commandTail) {
    auto window = std::make_unique<MainWindow>(std::move(commandTail));
    window->RunModal();
}
