// almanaque-exportar run as a person runs it: pages of a dressed work file, a whole year at
// print resolution, and every kind of bad input.

#include <gtest/gtest.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/window/main_menu.h"
#include "calendar/calendar_arithmetic.h"
#include "driver/console_program.h"
#include "driver/folders.h"
#include "driver/program_driver.h"
#include "driver/sheets.h"
#include "persistence/work_file.h"
#include "platform/cp1252.h"
#include "platform/win32/com_apartment.h"
#include "render/sheet_scale.h"

namespace e2e {
namespace {

TEST(ExporterBitmap, ADecoratedWorkFileAt96DpiIsTheProgramsOwnExportByteForByte) {
    ScratchFolder data(L"data");
    ScratchFolder pages(L"pages");
    const std::wstring workFile = data / L"febrero.vrel";
    ASSERT_TRUE(WriteDecoratedWorkFile(workFile));

    HandoverRecorder handover;
    // Started in the work file's folder, as from the desktop: the icons named without a folder
    // are found in the program's folder.
    ProgramOptions options = ProgramOptions::WithCommandTail(L"\"" + workFile + L"\"");
    options.CurrentDirectory = data.Path();
    Program program(options);
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_EQ(program.Caption(), MonthTitle(2024, 2));
    program.Command(MenuCommand::ExportImage);
    const HWND box = program.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Mes fotocopiado a bitmap ...");
    const auto exported = ReadWholeFile(program.Folder() + L"\\" + ExportName(2024, 2));
    Press(box, IDOK);
    ASSERT_TRUE(exported.has_value());
    ASSERT_NE(*exported, DefaultSheetBitmap(2024, 2)) << "the decoration does not show";

    // From the program's folder, where it finds the icons named without a folder there.
    const ConsoleRun run = RunConsoleProgram(
        BuiltExporterPath(),
        {L"--ppp", L"96", L"--formato", L"bmp", L"--carpeta", pages.Path(), workFile},
        program.Folder());
    ASSERT_EQ(run.ExitCode, 0u) << run.Errors;
    EXPECT_EQ(run.Output, Utf8(pages / ExportName(2024, 2) + L"  1/1\r\n"));
    EXPECT_EQ(run.Errors, "");
    const auto page = ReadWholeFile(pages / ExportName(2024, 2));
    ASSERT_TRUE(page.has_value());
    EXPECT_TRUE(*page == *exported) << "the page differs from \"Grabar Imagen\"";
    EXPECT_EQ(NamesIn(pages.Path()), std::vector<std::wstring>{ExportName(2024, 2)});
}

// A PNG file read back through the imaging component: its pixels as colours 0x00BBGGRR.
PixelImage DecodePng(const std::wstring& path) {
    using Microsoft::WRL::ComPtr;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&factory))) ||
        FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&width, &height)) ||
        FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)))
        return {};
    std::vector<std::uint32_t> raw(std::size_t{width} * height);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                     reinterpret_cast<BYTE*>(raw.data()))))
        return {};
    PixelImage image{static_cast<int>(width), static_cast<int>(height), {}};
    for (const std::uint32_t pixel : raw)  // 0x00RRGGBB
        image.Pixels.push_back((pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF));
    return image;
}

// The resolution a PNG file stores (its pHYs chunk), in dots per inch; 0 when it has none.
double StoredDotsPerInch(const std::vector<std::uint8_t>& png) {
    const std::string bytes(png.begin(), png.end());
    const std::size_t chunk = bytes.find("pHYs");
    if (chunk == std::string::npos || chunk + 13 > bytes.size()) return 0;
    const auto big = [&](std::size_t at) {
        return std::uint32_t{png[at]} << 24 | std::uint32_t{png[at + 1]} << 16 |
               std::uint32_t{png[at + 2]} << 8 | png[at + 3];
    };
    const bool perMetre = png[chunk + 12] == 1;
    if (!perMetre || big(chunk + 4) != big(chunk + 8)) return 0;
    return big(chunk + 4) * 0.0254;
}

// The page brought down to the screen sheet's size, each pixel the mean of the pixels it covers.
PixelImage ScaledDown(const PixelImage& page, int width, int height) {
    PixelImage small{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int x1 = x * page.Width / width, x2 = (x + 1) * page.Width / width;
            const int y1 = y * page.Height / height, y2 = (y + 1) * page.Height / height;
            unsigned sums[3] = {};
            for (int v = y1; v < y2; ++v)
                for (int u = x1; u < x2; ++u)
                    for (int c = 0; c < 3; ++c) sums[c] += page.At(u, v) >> (8 * c) & 0xFF;
            const unsigned count = static_cast<unsigned>((x2 - x1) * (y2 - y1));
            Color mean = 0;
            for (int c = 0; c < 3; ++c) mean |= (sums[c] + count / 2) / count << (8 * c);
            small.Pixels.push_back(mean);
        }
    return small;
}

// The mean absolute difference of two images of one size, over every pixel and colour channel,
// in levels of 0..255.
double MeanDifference(const PixelImage& a, const PixelImage& b) {
    double total = 0;
    for (std::size_t k = 0; k < a.Pixels.size(); ++k)
        for (int c = 0; c < 3; ++c)
            total += std::abs(static_cast<int>(a.Pixels[k] >> (8 * c) & 0xFF) -
                              static_cast<int>(b.Pixels[k] >> (8 * c) & 0xFF));
    return total / (3.0 * static_cast<double>(a.Pixels.size()));
}

TEST(ExporterYear, TwelvePagesAt300DpiAreTheScreenSheetsScaledUp) {
    const ComApartment com;
    ScratchFolder folder(L"year");
    const ConsoleRun run = RunConsoleProgram(BuiltExporterPath(), {L"2027"}, folder.Path());
    ASSERT_EQ(run.ExitCode, 0u) << run.Errors;
    EXPECT_EQ(run.Errors, "");
    for (int k = 1; k <= 12; ++k)
        EXPECT_NE(run.Output.find("  " + std::to_string(k) + "/12\r\n"), std::string::npos)
            << run.Output;

    constexpr SheetScale Print(300);
    // Levels of 0..255, the mean over the page. Same month: glyph edges and the drift of small
    // text, whose widths do not grow exactly with the size, about 3 to 3.7; another month
    // about 6 to 8.
    constexpr double Closely = 5.0;
    PixelImage previousScreen;
    for (int month = 1; month <= 12; ++month) {
        const std::wstring name = std::to_wstring(2027) + L" " + std::to_wstring(month) + L".png";
        const auto bytes = ReadWholeFile(folder / name);
        ASSERT_TRUE(bytes.has_value()) << month;
        EXPECT_NEAR(StoredDotsPerInch(*bytes), 300.0, 0.01) << month;
        const PixelImage page = DecodePng(folder / name);
        ASSERT_EQ(page.Width, 3506);
        ASSERT_EQ(page.Height, 2481);

        const PixelImage screen = DrawFreshSheet(2027, month, std::nullopt);
        const PixelImage small = ScaledDown(page, screen.Width, screen.Height);
        const double difference = MeanDifference(small, screen);
        EXPECT_LT(difference, Closely) << month;
        std::printf("2027 %d: mean difference %.3f", month, difference);
        if (!previousScreen.Pixels.empty()) {
            // The measure tells months apart: the month before is far from this page.
            const double other = MeanDifference(small, previousScreen);
            EXPECT_GT(other, Closely) << month;
            std::printf(", against the month before %.3f", other);
        }
        std::printf("\n");
        previousScreen = screen;

        // Every day box: a three-pixel outline whose corners are the screen's, scaled.
        const MonthGrid days = PlaceMonth(2027, static_cast<std::int16_t>(month));
        for (int column = 0; column < 7; ++column)
            for (int row = 1; row < 7; ++row) {
                if (days[column][row] == 0) continue;
                const int x1 = Print.ToPixelsX(160 * column + 2),
                          y1 = Print.ToPixelsY(103 * row + 70);
                const int x2 = Print.ToPixelsX(160 * column + 161) - 1,
                          y2 = Print.ToPixelsY(103 * row + 172) - 1;
                for (const auto [x, y, dx, dy] : {std::array{x1, y1, 1, 1},
                                                  {x2, y1, -1, 1},
                                                  {x1, y2, 1, -1},
                                                  {x2, y2, -1, -1}}) {
                    EXPECT_EQ(page.At(x, y), Black) << month << ": " << x << "," << y;
                    EXPECT_EQ(page.At(x + 2 * dx, y + 2 * dy), Black)
                        << month << ": " << x << "," << y;
                    EXPECT_EQ(page.At(x - dx, y - dy), White) << month << ": " << x << "," << y;
                    EXPECT_EQ(page.At(x + 3 * dx, y + 3 * dy), White)
                        << month << ": " << x << "," << y;
                }
            }
    }
}

TEST(ExporterBadInput, EachBadTargetIsReportedAndSkippedAndLeavesNoFile) {
    ScratchFolder folder(L"bad");
    ASSERT_TRUE(WriteDressedWorkFile(folder / L"bueno.vrel", 2025, 3));
    const auto good = ReadWholeFile(folder / L"bueno.vrel");
    ASSERT_TRUE(good.has_value());
    {
        std::vector<std::uint8_t> shorter(good->begin(), good->end() - 1);
        std::FILE* file = _wfopen((folder / L"corto.vrel").c_str(), L"wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(shorter.data(), 1, shorter.size(), file);
        std::fclose(file);
    }

    const ConsoleRun run = RunConsoleProgram(
        BuiltExporterPath(),
        {L"0", L"40000", L"2027-13", L"falta.vrel", L"corto.vrel", L"bueno.vrel", L"2027-02"},
        folder.Path());
    EXPECT_EQ(run.ExitCode, 1u);
    EXPECT_EQ(
        run.Errors,
        Utf8(L"0: el a\u00f1o debe estar entre 1 y 32767\r\n"
             L"40000: el a\u00f1o debe estar entre 1 y 32767\r\n"
             L"2027-13: el mes debe estar entre 1 y 12\r\n"
             L"falta.vrel: No se ha podido leer el fichero ...\r\n"
             L"corto.vrel: Formato de fichero erroneo ...\r\n"
             L"Se puede tratar de un fichero de trabajo de una versi\u00f3n anterior ...\r\n"));
    // The good targets are still made.
    EXPECT_NE(run.Output.find("2025 3.png  "), std::string::npos) << run.Output;
    EXPECT_NE(run.Output.find("2027 2.png  "), std::string::npos) << run.Output;
    EXPECT_EQ(NamesIn(folder.Path()), (std::vector<std::wstring>{L"2025 3.png", L"2027 2.png",
                                                                 L"bueno.vrel", L"corto.vrel"}));

    // A folder that cannot be written: a file stands where it should be.
    const std::wstring notAFolder = folder / L"bueno.vrel";
    const ConsoleRun blocked = RunConsoleProgram(
        BuiltExporterPath(), {L"--carpeta", notAFolder, L"2027-02"}, folder.Path());
    EXPECT_EQ(blocked.ExitCode, 1u);
    EXPECT_EQ(blocked.Output, "");
    EXPECT_EQ(blocked.Errors,
              Utf8(notAFolder + L"\\2027 2.png: No se ha podido grabar la imagen ...\r\n"));
    EXPECT_EQ(ReadWholeFile(notAFolder), good);

    // A usage mistake makes nothing at all.
    const ConsoleRun mistaken =
        RunConsoleProgram(BuiltExporterPath(), {L"--color", L"rojo", L"2027"}, folder.Path());
    EXPECT_EQ(mistaken.ExitCode, 2u);
    EXPECT_TRUE(mistaken.Errors.starts_with(
        Utf8(L"Opci\u00f3n desconocida: --color\r\nUso: almanaque-exportar ")))
        << mistaken.Errors;
    EXPECT_EQ(mistaken.Output, "");
    EXPECT_EQ(NamesIn(folder.Path()).size(), 4u);
}

}  // namespace
}  // namespace e2e
