#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "calendar/calendar_arithmetic.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "render/draw_month_sheet.h"
#include "render/gdi_canvas_win32.h"
#include "render/sheet_geometry.h"
#include "support/ico_writer.h"

namespace {

namespace fs = std::filesystem;

constexpr Color Blue = 0x00FF0000;
constexpr Color Green = 0x0000FF00;
// Icon file colours are 0x00RRGGBB; on the canvas the same colours read as 0x00BBGGRR.
constexpr std::uint32_t IconRed = 0xFF0000, IconBlue = 0x0000FF, IconGreen = 0x00FF00;

// A path as the document holds it.
std::string Text(const fs::path& path) {
    return WideToCp1252(path.wstring());
}

// A folder of its own under the temporary folder, removed with everything in it.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        static int counter = 0;
        Path =
            fs::temp_directory_path() / ("almanaque-gdi-" + std::to_string(GetCurrentProcessId()) +
                                         "-" + std::to_string(++counter));
        fs::create_directories(Path);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        fs::remove_all(Path, ignored);
    }
    std::string File(const char* name) const { return Text(Path / name); }
    fs::path Path;
};

// A day that shows nothing by itself: no line, no number.
void MakeBare(Day& day) {
    day.Lines[0].ShowsSaint = Flag::Off;
    day.Numbers.BottomLeft = Flag::Off;
}

class GdiSheetTest : public testing::Test {
  protected:
    PixelImage Draw(std::int16_t year, std::int16_t month, GdiCanvas& canvas,
                    std::optional<LocalDate> today = std::nullopt) {
        canvas.Clear();
        Sheet->Year = year;
        Sheet->Month = month;
        DrawMonthSheet(canvas, *Sheet, today);
        return canvas.ReadPixels();
    }
    PixelImage Draw(std::int16_t year, std::int16_t month,
                    std::optional<LocalDate> today = std::nullopt) {
        return Draw(year, month, Canvas, today);
    }
    void MakeAllBare() {
        for (int column = 0; column < 7; ++column)
            for (int row = 1; row < 7; ++row) MakeBare(Sheet->Cell(column, row));
    }
    static int CountInArea(const PixelImage& image, int x1, int y1, int x2, int y2, Color color) {
        int count = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) count += image.At(x, y) == color;
        return count;
    }
    static bool AllInArea(const PixelImage& image, int x1, int y1, int x2, int y2, Color color) {
        return CountInArea(image, x1, y1, x2, y2, color) == (x2 - x1 + 1) * (y2 - y1 + 1);
    }

    std::unique_ptr<MonthSheet> Sheet = std::make_unique<MonthSheet>();
    GdiCanvas Canvas;
};

TEST_F(GdiSheetTest, BoxOutlinesAreExactAndNothingElseIsDrawnBelowTheHeader) {
    MakeAllBare();
    const PixelImage image = Draw(2024, 9);
    ASSERT_EQ(image.Width, 1122);
    ASSERT_EQ(image.Height, 794);

    // Below the header row only the outlines of the days' boxes are drawn: September 2024 has
    // one box in row 1, at column 6 (Sunday the 1st).
    const MonthGrid days = PlaceMonth(2024, 9);
    int wrong = 0;
    for (int y = 103 + 70; y < 794; ++y)
        for (int x = 0; x < 1122; ++x) {
            bool outline = false;
            for (int r = 1; r <= 6; ++r)
                for (int i = 0; i < 7; ++i) {
                    if (days[i][r] == 0) continue;
                    const int left = 160 * i + 2, right = 160 * i + 160;
                    const int top = 103 * r + 70, bottom = 103 * r + 171;
                    const bool inside = x >= left && x <= right && y >= top && y <= bottom;
                    outline |= inside && (x == left || x == right || y == top || y == bottom);
                }
            if (image.At(x, y) != (outline ? Black : White) && ++wrong <= 5)
                ADD_FAILURE() << "pixel " << x << "," << y;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(CountInArea(image, 0, 173, 1121, 274, Black), 2 * 159 + 2 * 100);
}

TEST_F(GdiSheetTest, February2027LeavesRowsFiveAndSixWhite) {
    const PixelImage image = Draw(2027, 2);
    EXPECT_TRUE(AllInArea(image, 0, 103 * 4 + 172, 1121, 793, White));
    // Row 4 holds the last week: 22..28 February, boxes and texts.
    EXPECT_EQ(CountInArea(image, 0, 103 * 4 + 70, 1121, 103 * 4 + 70, Black), 7 * 159);
    EXPECT_LT(CountInArea(image, 0, 103 * 4 + 71, 1121, 103 * 4 + 170, White), 7 * 159 * 100);
}

TEST_F(GdiSheetTest, SundayInitialAndNumbersAreRedOthersTakeTheirCellsColor) {
    for (int column = 0; column < 7; ++column) Sheet->Cell(column, 0).NumberColor = Blue;
    for (int column = 0; column < 7; ++column) Sheet->Cell(column, 2).NumberColor = Blue;
    const PixelImage image = Draw(2024, 9);
    for (int column = 0; column < 6; ++column) {
        EXPECT_GT(CountInArea(image, 160 * column, 60, 160 * column + 159, 172, Blue), 100)
            << column;
        EXPECT_EQ(CountInArea(image, 160 * column, 60, 160 * column + 159, 172, Red), 0) << column;
    }
    EXPECT_GT(CountInArea(image, 960, 60, 1121, 172, Red), 100);
    EXPECT_EQ(CountInArea(image, 960, 60, 1121, 172, Blue), 0);

    // Row 2 (2..8 September): numbers at the lower left, blue on weekdays, red on Sunday.
    auto numberArea = [&](int column, Color color) {
        return CountInArea(image, 160 * column + 11, 103 * 2 + 155, 160 * column + 40,
                           103 * 2 + 171, color);
    };
    EXPECT_GT(numberArea(5, Blue), 10);
    EXPECT_EQ(numberArea(5, Red), 0);
    EXPECT_GT(numberArea(6, Red), 10);
    EXPECT_EQ(numberArea(6, Blue), 0);
}

TEST_F(GdiSheetTest, IconsFillTheirSquaresHonourTheirMasksAndMissingFilesLeaveWhite) {
    TemporaryFolder folder;
    ASSERT_TRUE(WriteSolidIcoFile(folder.Path / "rojo.ico", 33, IconRed));
    ASSERT_TRUE(WriteSolidIcoFile(folder.Path / "azul.ico", 33, IconBlue));
    // The left half is transparent.
    ASSERT_TRUE(WriteIcoFile(folder.Path / "medio.ico", 33, 33,
                             [](int x, int) { return x < 16 ? 0u : 0xFF000000u | IconGreen; }));

    // 3 September 2024, a Tuesday: column 1 of row 2, origin (161, 241).
    Day& day = Sheet->Cell(1, 2);
    MakeBare(day);
    day.Numbers.BottomRight = Flag::On;
    const std::pair<int, std::string> icons[] = {
        {0, folder.File("rojo.ico")},       // top left
        {1, folder.File("no-existe.ico")},  // top centre: missing
        {3, folder.File("azul.ico")},       // middle left, drawn over the top left's last rows
        {5, folder.File("medio.ico")},      // middle right
        {7, ""},                            // bottom centre: no path
    };
    for (const auto& [k, path] : icons) day.Icons[k] = {Flag::On, path};
    const PixelImage image = Draw(2024, 9);
    const int x = 160, y = 103 * 2 + 35;  // the cell's origin minus one in x

    EXPECT_TRUE(AllInArea(image, x + 11, y + 40, x + 43, y + 69, Red));
    EXPECT_TRUE(AllInArea(image, x + 11, y + 70, x + 43, y + 102, Blue));
    EXPECT_EQ(CountInArea(image, x + 10, y + 40, x + 10, y + 102, White), 63);  // left of them
    EXPECT_TRUE(AllInArea(image, x + 72, y + 36, x + 104, y + 134, White));     // 2, 5 and 8 white
    EXPECT_TRUE(AllInArea(image, x + 128, y + 70, x + 143, y + 102, White));    // transparent half
    EXPECT_TRUE(AllInArea(image, x + 144, y + 70, x + 160, y + 102, Green));    // over the outline
    EXPECT_EQ(image.At(x + 160, y + 69), Black);
    EXPECT_EQ(image.At(x + 160, y + 103), Black);
    EXPECT_GT(CountInArea(image, x + 136, y + 120, x + 159, y + 135, Black), 10);  // the number
}

TEST_F(GdiSheetTest, DrawingTwiceGivesTheSamePixelsAsAFreshCanvasAndChangesNoDay) {
    TemporaryFolder folder;
    ASSERT_TRUE(WriteIcoFile(folder.Path / "circulo.ico", 32, 32, [](int x, int y) {
        const int dx = x - 16, dy = y - 16;
        return dx * dx + dy * dy < 200 ? 0xFF3080C0u : 0u;
    }));
    for (int column = 0; column < 7; ++column)
        for (int row = 1; row < 7; ++row) {
            Day& day = Sheet->Cell(column, row);
            for (DayIcon& icon : day.Icons) icon = {Flag::On, folder.File("circulo.ico")};
            day.Lines[2] = {Flag::On, Flag::On, "Cumplea\xF1os", Black};
            day.Numbers.Centre = Flag::On;
        }
    constexpr LocalDate today{2024, 9, 12};
    const PixelImage first = Draw(2024, 9, today);
    const auto before = std::make_unique<MonthSheet>(*Sheet);
    const PixelImage second = Draw(2024, 9, today);
    GdiCanvas fresh;
    const PixelImage third = Draw(2024, 9, fresh, today);

    EXPECT_TRUE(first.Pixels == second.Pixels);
    EXPECT_TRUE(first.Pixels == third.Pixels);
    EXPECT_TRUE(*before == *Sheet);
    // 12 September (Thursday, row 3) shows its saints in red, and keeps its colours.
    EXPECT_EQ(Sheet->Cell(3, 3).Lines[0].LineColor, Black);
    EXPECT_EQ(Sheet->Cell(3, 3).Lines[2].LineColor, Black);
    EXPECT_GT(CountInArea(first, 160 * 3 + 11, 103 * 3 + 75, 160 * 3 + 100, 103 * 3 + 90, Red), 10);
    EXPECT_EQ(CountInArea(first, 160 * 2 + 11, 103 * 3 + 75, 160 * 2 + 100, 103 * 3 + 90, Red), 0);
}

class GdiCanvasTest : public testing::Test {
  protected:
    static Color PixelAt(const GdiCanvas& canvas, int x, int y) {
        return canvas.ReadPixels().At(x, y);
    }
    GdiCanvas Canvas;
};

TEST_F(GdiCanvasTest, FontsAreBoldSizedFromTheScaleAndIdenticalRequestsShareOneFont) {
    Canvas.SelectFont("Tahoma", 42);
    const HGDIOBJ title = GetCurrentObject(Canvas.Dc(), OBJ_FONT);
    LOGFONTW font{};
    ASSERT_EQ(GetObjectW(title, sizeof font, &font), static_cast<int>(sizeof font));
    EXPECT_EQ(font.lfHeight, -56) << "at 96 dpi, whatever the screen's resolution";
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_EQ(font.lfItalic, 0);
    EXPECT_EQ(font.lfCharSet, ANSI_CHARSET);
    EXPECT_STREQ(font.lfFaceName, L"Tahoma");

    Canvas.SelectFont("Tahoma", 8);
    const HGDIOBJ small = GetCurrentObject(Canvas.Dc(), OBJ_FONT);
    Canvas.SelectFont("Georgia", 42);
    const HGDIOBJ other = GetCurrentObject(Canvas.Dc(), OBJ_FONT);
    Canvas.SelectFont("Tahoma", 42);
    EXPECT_EQ(GetCurrentObject(Canvas.Dc(), OBJ_FONT), title);
    EXPECT_NE(small, title);
    EXPECT_NE(other, title);
}

TEST_F(GdiCanvasTest, TextIsTransparentAndTheNextTextStartsAtTheLeftOneLineLower) {
    Canvas.SelectFont("Tahoma", 29);
    TEXTMETRICW metrics{};
    GetTextMetricsW(Canvas.Dc(), &metrics);
    const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;

    Canvas.Clear(Blue);
    Canvas.MoveTo(0, 100 + lineHeight);
    Canvas.PrintText("Hoy");
    const PixelImage alone = Canvas.ReadPixels();

    Canvas.Clear(Blue);
    Canvas.MoveTo(500, 100);
    Canvas.PrintText("Hoy");
    Canvas.PrintText("Hoy");
    const PixelImage twice = Canvas.ReadPixels();

    int differences = 0, drawn = 0, white = 0;
    for (int y = 0; y < 794; ++y)
        for (int x = 0; x < 400; ++x) {
            differences += alone.At(x, y) != twice.At(x, y);
            drawn += alone.At(x, y) != Blue;
            white += twice.At(x, y) == White;
        }
    EXPECT_EQ(differences, 0);
    EXPECT_GT(drawn, 50);
    EXPECT_EQ(white, 0);  // no background was painted behind the glyphs
}

TEST_F(GdiCanvasTest, IconFilesThatChangeAppearOrVanishAreSeenAtTheNextDraw) {
    TemporaryFolder folder;
    const fs::path file = folder.Path / "cambia.ico";
    auto drawn = [&](const std::string& path) {
        Canvas.Clear();
        Canvas.DrawIconFile(path, 100, 100, 33);
        return PixelAt(Canvas, 116, 116);
    };
    // A last-write time of its own, whatever the clock does.
    auto stamp = [](const fs::path& file, int hours) {
        const HANDLE handle =
            CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ULARGE_INTEGER time{};
        time.QuadPart = 133000000000000000ULL + hours * 36000000000ULL;
        const FILETIME written{time.LowPart, time.HighPart};
        SetFileTime(handle, nullptr, nullptr, &written);
        CloseHandle(handle);
    };

    ASSERT_TRUE(WriteSolidIcoFile(file, 33, IconRed));
    stamp(file, 1);
    EXPECT_EQ(drawn(Text(file)), Red);
    EXPECT_EQ(drawn(Text(file)), Red);
    ASSERT_TRUE(WriteSolidIcoFile(file, 33, IconBlue));  // same size
    stamp(file, 2);
    EXPECT_EQ(drawn(Text(file)), Blue);
    fs::remove(file);
    EXPECT_EQ(drawn(Text(file)), White);
    ASSERT_TRUE(WriteSolidIcoFile(file, 32, IconGreen));  // back, smaller, stretched to 33
    EXPECT_EQ(drawn(Text(file)), Green);
    std::ofstream(file, std::ios::trunc) << "no es un icono";
    EXPECT_EQ(drawn(Text(file)), White);

    // A relative path names a file of the current directory at the time of the draw.
    const fs::path other = folder.Path / "otra";
    fs::create_directories(other);
    ASSERT_TRUE(WriteSolidIcoFile(folder.Path / "rel.ico", 33, IconRed));
    ASSERT_TRUE(WriteSolidIcoFile(other / "rel.ico", 33, IconBlue));
    stamp(folder.Path / "rel.ico", 3);  // the same size and time: only the folder tells them apart
    stamp(other / "rel.ico", 3);
    const fs::path before = fs::current_path();
    fs::current_path(folder.Path);
    EXPECT_EQ(drawn("rel.ico"), Red);
    fs::current_path(other);
    EXPECT_EQ(drawn("rel.ico"), Blue);
    fs::current_path(before);
}

TEST_F(GdiCanvasTest, IconsGiveThePixelsOfDrawIconExOverAnyBackground) {
    TemporaryFolder folder;
    struct Sample {
        const char* Name;
        int Size;
        bool AlphaChannel;
        IconPixel Pixel;
    };
    const Sample samples[] = {
        {"disco.ico", 32, true,
         [](int x, int y) {
             const int dx = x - 16, dy = y - 16;
             return dx * dx + dy * dy < 196 ? 0xFFD03030u : 0u;
         }},
        {"degradado.ico", 33, true,
         [](int x, int y) {
             return static_cast<std::uint32_t>(x * 7) << 24 | (x * 5 & 255) << 16 |
                    (y * 9 & 255) << 8 | 0x40;
         }},
        {"degradado-escalado.ico", 32, true,
         [](int x, int y) {
             return static_cast<std::uint32_t>((x + y) * 4) << 24 | (x * 5 & 255) << 16 |
                    (y * 9 & 255) << 8 | 0x80;
         }},
        {"pequeno.ico", 16, true, [](int x, int y) { return (x + y) % 3 ? 0xFF00FF00u : 0u; }},
        {"mascara.ico", 32, false,
         [](int x, int y) { return x > y ? 0xFF2060A0u | static_cast<std::uint32_t>(x) : 0u; }},
    };
    for (const Sample& sample : samples) {
        const fs::path file = folder.Path / sample.Name;
        ASSERT_TRUE(
            WriteIcoFile(file, sample.Size, sample.Size, sample.Pixel, sample.AlphaChannel));
        // The same busy background twice, side by side.
        Canvas.Clear(0x00336699);
        for (int left : {0, 400}) {
            for (int i = 0; i < 12; ++i)
                Canvas.HollowRectangle(left + 3 * i, 3 * i, left + 80 - i, 80 - i,
                                       0x00101010 * static_cast<Color>(i), 1);
            Canvas.SelectFont("Tahoma", 29);
            Canvas.SetTextColor(0x0000C0FF);
            Canvas.MoveTo(left + 5, 20);
            Canvas.PrintText("Wg");
        }
        Canvas.DrawIconFile(Text(file), 20, 25, 33);
        const HICON icon = static_cast<HICON>(
            LoadImageW(nullptr, file.c_str(), IMAGE_ICON, 33, 33, LR_LOADFROMFILE));
        ASSERT_NE(icon, nullptr);
        DrawIconEx(Canvas.Dc(), 420, 25, icon, 33, 33, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);

        const PixelImage image = Canvas.ReadPixels();
        int differences = 0, changed = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                differences += image.At(x, y) != image.At(x + 400, y);
                changed += x >= 20 && x < 53 && y >= 25 && y < 58 && image.At(x, y) != 0x00336699;
            }
        EXPECT_EQ(differences, 0) << sample.Name;
        EXPECT_GT(changed, 100) << sample.Name;
    }
}

TEST(GdiCanvasLifetime, EveryObjectIsDeletedWithTheCanvas) {
    HGDIOBJ font, brush, bitmap;
    HDC dc;
    {
        GdiCanvas canvas;
        canvas.SelectFont("Tahoma", 8);
        canvas.HollowRectangle(1, 1, 20, 20, Black, 1);
        dc = canvas.Dc();
        font = GetCurrentObject(dc, OBJ_FONT);
        brush = GetCurrentObject(dc, OBJ_BRUSH);
        bitmap = GetCurrentObject(dc, OBJ_BITMAP);
        ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
        ASSERT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
        ASSERT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
        BITMAP size{};
        GetObjectW(bitmap, sizeof size, &size);
        EXPECT_EQ(size.bmWidth, 1122);
        EXPECT_EQ(size.bmHeight, 794);
    }
    EXPECT_EQ(GetObjectType(font), 0u);
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_EQ(GetObjectType(dc), 0u);
}

}  // namespace
