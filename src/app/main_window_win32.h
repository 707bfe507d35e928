#pragma once
// MainWindow: the program's only top-level window, a dialog holding SheetView (the shown month
// sheet) and the menu "Archivos". It owns the program's state for the whole run, turns menu
// commands and clicks on days into the program's actions and redraws the whole sheet after
// every change (RefreshSheet).

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "app/program_state.h"
#include "app/recent_files.h"
#include "platform/win32/handles.h"
#include "platform/win32/memory_dialog.h"
#include "platform/win32/menu_tip.h"
#include "render/gdi_canvas_win32.h"

namespace MainWindowLayout {
inline constexpr int ClientWidth = 1132;  // before the menu bar takes its height
inline constexpr int ClientHeight = 824;
inline constexpr int SheetViewId = 1001;
inline constexpr int SheetViewLeft = 5;
inline constexpr int SheetViewTop = 5;
}  // namespace MainWindowLayout

class MainWindow final : public MemoryDialog {
  public:
    // Builds the window hidden, with its icon, SheetView and menu; the command tail is the
    // command line after the program's name.
    explicit MainWindow(std::wstring commandTail);
    ~MainWindow() override;

    HWND SheetViewWindow() const;

  private:
    // Clears the sheet's image, draws the month, sets the caption and shows the result.
    void RefreshSheet(std::int16_t year, std::int16_t month);
    void OnInitialise() override;
    void OnCommand(int id, int code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    void DrawAndShow(std::int16_t year, std::int16_t month);
    void OnNew();
    void OnOpen();
    void OnSave();
    void OnAbout();
    void OnRecentFile(std::size_t index);
    void OnDroppedFile(const std::wstring& path);
    // A recent file's item shows the file's full path beside it while it is highlighted.
    void OnMenuSelect(int id, UINT flags, HMENU menu);
    // The work file just read or saved goes first in the recent files.
    void RememberWorkFile();
    void ShowRecentFiles(RecentFiles list);
    void OnSheetClick(LPARAM position);
    static LRESULT CALLBACK SheetViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR subclassId, DWORD_PTR self);

    std::wstring CommandTail;
    // The window's icons; the window is destroyed before them, when RunModal returns.
    UniqueIcon BigIcon;
    UniqueIcon SmallIcon;
    UniqueAcceleratorTable Shortcuts;
    RecentFiles Recent;  // as the menu shows them
    MenuTip RecentFileTip{Window()};
    ProgramState State;
    std::unique_ptr<GdiCanvas> SheetCanvas;
    PictureBox* SheetView = nullptr;
};

// Runs the main window until "Salir".
void RunMainWindow(std::wstring commandTail);
