#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

// The build puts the program and its sample icons in one folder; this test program sits one
// level below it.
fs::path ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path().parent_path();
}

// Draws the icon at the size on white: how many pixels it covers, and its corner pixel.
struct DrawnIcon {
    bool Loaded = false;
    int Covered = 0;
    COLORREF Corner = 0;
};

DrawnIcon DrawOnWhite(const fs::path& file, int size) {
    DrawnIcon drawn;
    const auto icon = static_cast<HICON>(
        LoadImageW(nullptr, file.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
    if (!icon) return drawn;
    drawn.Loaded = true;
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    const RECT all{0, 0, size, size};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (GetPixel(dc, x, y) != RGB(255, 255, 255)) ++drawn.Covered;
    drawn.Corner = GetPixel(dc, 0, size - 1);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    DestroyIcon(icon);
    return drawn;
}

TEST(SampleIcons, LieBesideTheProgramAndDrawAtPreviewAndSheetSizes) {
    std::set<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(ProgramFolder()))
        if (entry.path().extension() == L".ico") names.insert(entry.path().filename().wstring());
    EXPECT_TRUE(names.count(L"apple.ico"));  // start-up names it
    EXPECT_GE(names.size(), 6u);

    for (const std::wstring& name : names)
        for (int size : {32, 33}) {
            const DrawnIcon drawn = DrawOnWhite(ProgramFolder() / name, size);
            ASSERT_TRUE(drawn.Loaded) << name.c_str() << " " << size;
            EXPECT_GT(drawn.Covered, size * size / 5) << name.c_str() << " " << size;
            EXPECT_EQ(drawn.Corner, RGB(255, 255, 255)) << name.c_str() << " " << size;
        }
}

}  // namespace
