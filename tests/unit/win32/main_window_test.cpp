#include <gtest/gtest.h>
// after windows.h, which it needs
#include <shlobj.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/window/main_menu.h"
#include "app/window/main_menu_win32.h"
#include "app/window/main_window_win32.h"
#include "app/window/recent_files_win32.h"
#include "persistence/work_file.h"

namespace {

struct MenuItem {
    std::wstring Text;  // "-" for a separator
    UINT Id;
    UINT State;
    bool operator==(const MenuItem&) const = default;
};

std::vector<MenuItem> ItemsOf(HMENU menu) {
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64]{};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_STATE;
        info.dwTypeData = text;
        info.cch = 64;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR)
            items.push_back({L"-", 0, 0});
        else
            items.push_back({text, info.wID, info.fState});
    }
    return items;
}

void ExpectTheArchivosMenu(HMENU bar, const RecentFiles& recent) {
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    wchar_t title[32]{};
    GetMenuStringW(bar, 0, title, 32, MF_BYPOSITION);
    EXPECT_STREQ(title, L"Archivos");
    const HMENU popup = GetSubMenu(bar, 0);
    ASSERT_NE(popup, nullptr);
    std::vector<MenuItem> expected = {
        {L"Nuevo\tCtrl+U", 1011, 0},
        {L"Mes anterior\tRe P\u00e1g", 1020, 0},
        {L"Mes siguiente\tAv P\u00e1g", 1021, 0},
        {L"-", 0, 0},
        {L"Grabar\tCtrl+G", 1016, 0},
        {L"-", 0, 0},
        {L"Grabar Imagen", 1014, 0},
        {L"-", 0, 0},
        {L"Leer\tCtrl+A", 1017, 0},
        {L"-", 0, 0},
        {L"Calendario...", 1018, 0},
        {L"Fechas memorizadas...", 1019, 0},
        {L"-", 0, 0},
        {L"Imprimir\tCtrl+P", 1015, 0},
        {L"Imprimir a\u00f1o...\tCtrl+May\u00fas+P", 1022, 0},
        {L"-", 0, 0},
        {L"Autor", 1013, 0},
        {L"-", 0, 0},
    };
    for (UINT k = 0; k < recent.size(); ++k)
        expected.push_back({RecentFileLabel(k, recent[k]), 1101 + k, 0});
    if (!recent.empty()) expected.push_back({L"-", 0, 0});
    expected.push_back({L"Salir", 1012, 0});
    EXPECT_EQ(ItemsOf(popup), expected);
}

TEST(MainMenu, HoldsArchivosWithEveryItemEnabledAndTheRecentFilesAboveSalir) {
    const RecentFiles recent = {L"C:\\hojas\\mayo.vrel", L"D:\\Pan & vino.vrel"};
    const UniqueMenu bar = BuildMainMenu(recent);
    ExpectTheArchivosMenu(bar.Get(), recent);
    FillFileMenu(GetSubMenu(bar.Get(), 0), {});
    ExpectTheArchivosMenu(bar.Get(), {});

    // Greyed or not, as the system keeps it (MF_GRAYED, which Windows reports as MFS_GRAYED).
    const HMENU edit = GetSubMenu(bar.Get(), 1);
    const auto editItems = [&] {
        std::vector<MenuItem> items = ItemsOf(edit);
        for (MenuItem& item : items) item.State &= MF_GRAYED;
        return items;
    };
    EXPECT_EQ(editItems(), (std::vector<MenuItem>{{L"Deshacer\tCtrl+Z", 1023, MF_GRAYED},
                                                  {L"Rehacer\tCtrl+Y", 1024, MF_GRAYED}}));
    FillEditMenu(edit, {L"Deshacer cambios del 14/02", L"Rehacer", true, false});
    EXPECT_EQ(editItems(), (std::vector<MenuItem>{{L"Deshacer cambios del 14/02\tCtrl+Z", 1023, 0},
                                                  {L"Rehacer\tCtrl+Y", 1024, MF_GRAYED}}));
}

TEST(MainWindowBuild, HasItsMenuIconSheetViewAndClientSize) {
    auto window = std::make_unique<MainWindow>(L"");
    const HWND main = window->Window();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));
    ExpectTheArchivosMenu(GetMenu(main), LoadRecentFiles());
    EXPECT_NE(SendMessageW(main, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(main, WM_GETICON, ICON_SMALL, 0), 0);

    // The menu bar took its height from a client area of 1132 x 824.
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 1132);
    MENUBARINFO bar{};
    bar.cbSize = sizeof bar;
    ASSERT_TRUE(GetMenuBarInfo(main, OBJID_MENU, 0, &bar));
    EXPECT_NEAR(client.bottom + (bar.rcBar.bottom - bar.rcBar.top), 824, 1);

    const HWND view = GetDlgItem(main, 1001);
    ASSERT_EQ(view, window->SheetViewWindow());
    RECT box{};
    GetWindowRect(view, &box);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, 5);
    EXPECT_EQ(box.top, 5);
    EXPECT_EQ(box.right - box.left, 1122);
    EXPECT_EQ(box.bottom - box.top, 794);
    const LONG_PTR style = GetWindowLongPtrW(view, GWL_STYLE);
    EXPECT_EQ(style & SS_TYPEMASK, SS_OWNERDRAW);
    EXPECT_TRUE(style & SS_NOTIFY);
    EXPECT_TRUE(GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

// Files dropped on the running window as the desktop drops them: a DROPFILES block in global
// memory of the window's process, which is this one.
TEST(MainWindowDrop, TheFirstFileDroppedIsReadWhenItIsAWorkFile) {
    MonthSheet sheet;
    std::tie(sheet.Year, sheet.Month) = std::pair{2032, 6};
    const std::wstring path = (std::filesystem::temp_directory_path() / L"junio.vrel").wstring();
    ASSERT_TRUE(WriteWorkFile(path, sheet));
    const std::wstring names = path + L'\0' + L"C:\\junio.bmp" + L'\0' + L'\0';
    const std::size_t size = names.size() * sizeof(wchar_t);
    auto* drop = static_cast<DROPFILES*>(GlobalAlloc(GPTR, sizeof(DROPFILES) + size));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(drop + 1, names.data(), size);

    ForgetRecentFile(path);
    MainWindow window(L"");
    PostMessageW(window.Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    PostMessageW(window.Window(), WM_COMMAND, MenuCommand::Exit, 0);
    window.RunModal();
    EXPECT_EQ(LoadRecentFiles().front(), path);
    DeleteFileW(path.c_str());
}

}  // namespace
