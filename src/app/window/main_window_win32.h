#pragma once
// MainWindow: the program's only top-level window, a dialog holding SheetView (the shown month
// sheet) and the menus "Archivos" and "Edición". It owns the open document for the whole run,
// forwards menu commands and clicks on days to it and redraws the whole sheet after every change
// the document tells of (RefreshSheet).
//
// It is laid out for the resolution of its monitor and fits in the monitor's work area
// (app/window/sheet_view_place.h, platform/window_place.h). It can be resized and maximised: the
// sheet then fills the window, drawn afresh at its new scale; during a live drag of the frame it is
// only stretched, and drawn afresh when the drag ends. The close box ends the program as "Salir".

#include <windows.h>

#include <memory>
#include <string>

#include "app/document/kept_memorized_days.h"
#include "app/document/open_sheet.h"
#include "app/document/sheet_history.h"
#include "app/recovery/copy.h"
#include "app/window/day_keys.h"
#include "app/window/recent_files.h"
#include "app/window/sheet_view_place.h"
#include "platform/win32/handles.h"
#include "platform/win32/memory_dialog.h"
#include "platform/win32/menu_tip.h"
#include "platform/win32/print_dialog.h"
#include "render/gdi_canvas_win32.h"

class MainWindow final : public MemoryDialog {
  public:
    // Builds the window hidden, with its icon, SheetView and menu; the command tail is the
    // command line after the program's name.
    explicit MainWindow(std::wstring commandTail);

    HWND SheetViewWindow() const;

  private:
    // Clears the sheet's image, draws the document's month at the view's scale, sets the caption
    // and shows the result.
    void RefreshSheet();
    void OnInitialise() override;
    void OnCommand(int id, int code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    // Puts the view where the client area's size places it, and shows the sheet there: sharp,
    // or stretched while the frame is being dragged.
    void FitSheetView();
    void ShowCanvas();
    void OpenCommandLineFile();
    // Before a command drops the sheet: asks about unsaved changes; true when it may go on.
    bool AskBeforeDropping();
    // Redraws a sheet replaced or edited; the recovery copy follows every change.
    void OnSheetChanged(SheetChange change);
    // Brings the recovery copy up to the sheet, until the window has ended.
    void FollowSheet();
    void OnNew();
    // "Mes anterior" (-1) and "Mes siguiente" (+1).
    void OnMoveMonth(int step);
    void OnOpen();
    void OnSave();
    void OnAbout();
    void OnCalendar();
    void OnPrintYear();
    void OnMemorizedList();
    // "Deshacer" and "Rehacer" do nothing while the day editor is open: its stay is one step.
    void OnUndoOrRedo(bool undo);
    void ShowEditMenu(HMENU popup) const;
    // What a new sheet starts with now: the memorized dates and the calendar may have been
    // changed by another copy of the program.
    NewSheetDressing NewSheetDressingNow() const;
    void OnExportImage();
    // The window's size for a new resolution: its client area as large on the screen, in a frame
    // drawn at that resolution.
    SIZE SizeAtDpi(UINT dpi) const;
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void LoadIcons(UINT dpi);
    // The end of the Windows session: the recovery copy is made current; the Restart Manager
    // (an installer, an update) closes the program keeping it, offered at the next start.
    void OnEndSession(bool ending, LPARAM reasons);
    void OnRecentFile(std::size_t index);
    void OnDroppedFile(const std::wstring& path);
    // A recent file's item shows the file's full path beside it while it is highlighted.
    void OnMenuSelect(int id, UINT flags, HMENU menu);
    // The work file just read or saved goes first in the recent files.
    void RememberWorkFile();
    void ShowRecentFiles(RecentFiles list);
    void OnExit();
    void OnSheetClick(LPARAM position);
    // Arrows, Home and End move the focus mark; Enter and Space open the day editor on its day.
    bool OnSheetKey(WPARAM key);
    void OpenEditorOn(GridPlace place);
    void MoveMark(const DayMark& mark);
    // The system's focus rectangle around the marked day, while the sheet has the keyboard focus,
    // from the first key that moves it on: as Windows hides focus rectangles until the keyboard
    // is used.
    void DrawMark(HDC dc) const;
    static LRESULT CALLBACK SheetViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR subclassId, DWORD_PTR self);

    std::wstring CommandTail;
    // The window's icons; the window is destroyed before them, when RunModal returns.
    UniqueIcon BigIcon;
    UniqueIcon SmallIcon;
    UniqueAcceleratorTable Shortcuts;
    RecentFiles Recent;  // as the menu shows them
    MenuTip RecentFileTip{Window()};
    OpenSheet Document;
    SheetHistory History{Document};
    KeptMemorizedDays Memorized;
    RecoveryCopy Recovery;
    PrinterSettings Printing;  // as last chosen in the print dialog, for every print command
    std::unique_ptr<GdiCanvas> SheetCanvas;  // none until the document is set up
    PictureBox* SheetView = nullptr;
    SheetViewPlace ViewPlace{};
    bool DraggingFrame = false;
    DayMark Mark;
    bool MarkShown = false;
};

// Runs the main window until "Salir".
void RunMainWindow(std::wstring commandTail);
