// almanaque-exportar's rules: its command line, what each target stands for, page names and
// the sizes of a page at print resolution.

#include <gtest/gtest.h>

#include "export/export_options.h"
#include "export/export_pages.h"
#include "export/export_run.h"
#include "export/page_palette.h"
#include "persistence/work_file.h"
#include "persistence/work_file_messages.h"
#include "render/sheet_scale.h"
#include "unit/work_file_helpers.h"

namespace {

using Arguments = std::vector<std::wstring>;
using Action = ParsedCommandLine::Action;
using work_file_test::ScratchFolder;

TEST(ExportCommandLine, DefaultsOptionsAndTargetsInAnyOrder) {
    const ParsedCommandLine plain = ParseExportArguments({L"2027"});
    EXPECT_EQ(plain.What, Action::Export);
    EXPECT_EQ(plain.Options.DotsPerInch, 300);
    EXPECT_EQ(plain.Options.Format, PageFormat::Png);
    EXPECT_EQ(plain.Options.Folder, L"");
    EXPECT_EQ(plain.Options.Targets, Arguments{L"2027"});

    const ParsedCommandLine full =
        ParseExportArguments({L"mayo.vrel", L"--ppp", L"96", L"2027-05", L"--formato", L"bmp",
                              L"--carpeta", L"C:\\hojas de 2027", L"--ppp", L"600"});
    EXPECT_EQ(full.What, Action::Export);
    EXPECT_EQ(full.Options.DotsPerInch, 600);  // the last one given
    EXPECT_EQ(full.Options.Format, PageFormat::Bmp);
    EXPECT_EQ(full.Options.Folder, L"C:\\hojas de 2027");
    EXPECT_EQ(full.Options.Targets, (Arguments{L"mayo.vrel", L"2027-05"}));

    EXPECT_EQ(ParseExportArguments({L"2027", L"--ayuda", L"--nada"}).What, Action::ShowUsage);
}

TEST(ExportCommandLine, MistakesAreUsageErrorsThatSayWhat) {
    const std::pair<Arguments, std::wstring> cases[] = {
        {{}, L"Falta el OBJETIVO: un a\u00f1o, un mes o un fichero de trabajo"},
        {{L"--ppp", L"300"}, L"Falta el OBJETIVO: un a\u00f1o, un mes o un fichero de trabajo"},
        {{L"--color", L"2027"}, L"Opci\u00f3n desconocida: --color"},
        {{L"-5"}, L"Opci\u00f3n desconocida: -5"},
        {{L"2027", L"--ppp"}, L"Falta el valor de --ppp"},
        {{L"--ppp", L"95", L"2027"},
         L"Valor no v\u00e1lido para --ppp: 95 (un n\u00famero de 96 a 600)"},
        {{L"--ppp", L"601", L"2027"},
         L"Valor no v\u00e1lido para --ppp: 601 (un n\u00famero de 96 a 600)"},
        {{L"--ppp", L"300dpi", L"2027"},
         L"Valor no v\u00e1lido para --ppp: 300dpi (un n\u00famero de 96 a 600)"},
        {{L"--ppp", L"00300", L"2027"},
         L"Valor no v\u00e1lido para --ppp: 00300 (un n\u00famero de 96 a 600)"},
        {{L"--formato", L"PNG", L"2027"}, L"Valor no v\u00e1lido para --formato: PNG (png o bmp)"},
        {{L"--carpeta", L"", L"2027"}, L"Falta el valor de --carpeta"},
    };
    for (const auto& [arguments, error] : cases) {
        const ParsedCommandLine parsed = ParseExportArguments(arguments);
        EXPECT_EQ(parsed.What, Action::UsageError) << error;
        EXPECT_EQ(parsed.Error, error);
    }
}

std::vector<std::string> BaseNames(const TargetPages& made) {
    std::vector<std::string> names;
    for (const ExportPage& page : made.Pages) names.push_back(page.BaseName);
    return names;
}

TEST(ExportTargets, AYearIsItsTwelveMonthsAndAMonthItself) {
    const TargetPages year = PagesOfTarget(L"2027");
    EXPECT_EQ(year.Error, L"");
    ASSERT_EQ(year.Pages.size(), 12u);
    EXPECT_EQ(BaseNames(year).front(), "2027 1");
    EXPECT_EQ(BaseNames(year).back(), "2027 12");
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(year.Pages[month - 1].Year, 2027);
        EXPECT_EQ(year.Pages[month - 1].Month, month);
        EXPECT_EQ(year.Pages[month - 1].Dressing, nullptr);
    }
    for (const wchar_t* target : {L"2027-05", L"2027-5", L"02027-005"})
        EXPECT_EQ(BaseNames(PagesOfTarget(target)), std::vector<std::string>{"2027 5"}) << target;
    EXPECT_EQ(BaseNames(PagesOfTarget(L"1-1")), std::vector<std::string>{"1 1"});
    EXPECT_EQ(BaseNames(PagesOfTarget(L"32767-12")), std::vector<std::string>{"32767 12"});

    // Year 0, 40000 and month 13 are refused end to end; the edges of the numbers here.
    const std::pair<std::wstring, std::wstring> refused[] = {
        {L"32768-01", L"32768-01: el a\u00f1o debe estar entre 1 y 32767"},
        {L"99999999999999999999", L"99999999999999999999: el a\u00f1o debe estar entre 1 y 32767"},
        {L"2027-00", L"2027-00: el mes debe estar entre 1 y 12"},
    };
    for (const auto& [target, error] : refused) {
        const TargetPages made = PagesOfTarget(target);
        EXPECT_EQ(made.Error, error);
        EXPECT_TRUE(made.Pages.empty()) << made.Pages.size();
    }
}

TEST(ExportTargets, AYearTakesTheMonthsWhoseWorkFilesAreInTheSheetsFolder) {
    ScratchFolder folder;
    ASSERT_TRUE(WriteWorkFile(folder.Path("2024 3.vrel").wstring(),
                              *work_file_test::DressedSheet(2024, 3)));
    const std::wstring sheets = folder.Folder().wstring() + L"/";
    const TargetPages year = PagesOfTarget(L"2024", {}, sheets);
    ASSERT_EQ(year.Pages.size(), 12u);
    for (const ExportPage& page : year.Pages)
        EXPECT_EQ(page.Dressing != nullptr, page.Month == 3) << page.Month;
    EXPECT_EQ(year.Pages[2].BaseName, "2024 3");
    work_file_test::WriteFileBytes(folder.Path("2024 4.vrel"), {1, 2, 3});
    EXPECT_EQ(PagesOfTarget(L"2024", {}, sheets).Error,
              sheets + L"2024 4.vrel: " + WorkFileWrongFormatMessage);
}

TEST(ExportTargets, AWorkFileIsItsSheetOrTheProgramsMessage) {
    ScratchFolder folder;
    const auto dressed = work_file_test::DressedSheet(2024, 2);
    const std::wstring path = folder.Path("febrero.vrel").wstring();
    ASSERT_TRUE(WriteWorkFile(path, *dressed));

    const TargetPages made = PagesOfTarget(path);
    EXPECT_EQ(made.Error, L"");
    ASSERT_EQ(made.Pages.size(), 1u);
    const ExportPage& page = made.Pages[0];
    EXPECT_EQ(page.Year, 2024);
    EXPECT_EQ(page.Month, 2);
    EXPECT_EQ(page.BaseName, "2024 2");
    ASSERT_NE(page.Dressing, nullptr);
    Day read = SheetOfPage(page)->Cell(3, 2);
    read.KeptBytes.clear();
    EXPECT_TRUE(read == dressed->Cell(3, 2));

    // A file of the wrong length and a missing one are refused end to end; here a file of no
    // records, which holds no month, and a folder.
    work_file_test::WriteFileBytes(folder.Path("vacio.vrel"), {});
    const std::pair<std::wstring, std::wstring> refused[] = {
        {folder.Path("vacio.vrel").wstring(), WorkFileWrongFormatMessage},
        {folder.Folder().wstring(), WorkFileUnreadableMessage},
    };
    for (const auto& [target, message] : refused) {
        const TargetPages failed = PagesOfTarget(target);
        EXPECT_EQ(failed.Error, target + L": " + message);
        EXPECT_TRUE(failed.Pages.empty());
    }
}

TEST(ExportTargets, PagesAreNamedAsTheProgramNamesItsImages) {
    const ExportPage page = PagesOfTarget(L"2027-05").Pages.at(0);
    EXPECT_EQ(PagePath(L"", page, PageFormat::Png), L"2027 5.png");
    EXPECT_EQ(PagePath(L"C:\\hojas", page, PageFormat::Bmp), L"C:\\hojas\\2027 5.bmp");
    EXPECT_EQ(PagePath(L"C:\\hojas\\", page, PageFormat::Png), L"C:\\hojas\\2027 5.png");
    EXPECT_EQ(PagePath(L"D:", page, PageFormat::Png), L"D:2027 5.png");
    const auto fresh = SheetOfPage(page);
    EXPECT_EQ(fresh->Year, 2027);
    EXPECT_EQ(fresh->Month, 5);
    EXPECT_TRUE(fresh->Cell(0, 1) == Day{});  // a new sheet's days
}

// Pages are made on several threads; what the run says and returns, whatever a page does.
TEST(ExportRun, APageThatFailsInAnyWayIsReportedAndTheOthersAreStillMade) {
    struct Console final : ExportConsole {
        std::vector<std::wstring> Progressed, Failed;
        void Progress(std::wstring_view line) override { Progressed.emplace_back(line); }
        void Failure(std::wstring_view line) override { Failed.emplace_back(line); }
    };
    struct Writer final : PageWriter {
        bool Write(const ExportPage& page, const std::wstring&) override {
            if (page.Month == 2) throw std::bad_alloc();
            return page.Month != 3;
        }
    };
    const PageWriterMaker maker = [](const ExportOptions&) { return std::make_unique<Writer>(); };

    Console console;
    EXPECT_EQ(RunExport({L"2027-01", L"2027-02", L"2027-03", L"2027-13", L"2027-01"}, maker,
                        console, {2}, {}),
              SomeTargetFailed);
    // A page named twice is made once; the count is of pages handled so far, in any order.
    ASSERT_EQ(console.Progressed.size(), 1u);
    EXPECT_TRUE(console.Progressed[0].starts_with(L"2027 1.png  ")) << console.Progressed[0];
    EXPECT_TRUE(console.Progressed[0].ends_with(L"/3")) << console.Progressed[0];
    std::sort(console.Failed.begin(), console.Failed.end());
    EXPECT_EQ(console.Failed,
              (std::vector<std::wstring>{L"2027 2.png: No se ha podido grabar la imagen ...",
                                         L"2027 3.png: No se ha podido grabar la imagen ...",
                                         L"2027-13: el mes debe estar entre 1 y 12"}));

    Console fine;
    EXPECT_EQ(RunExport({L"--formato", L"bmp", L"2027-01"}, maker, fine, {4}, {}), AllPagesMade);
    EXPECT_EQ(fine.Progressed, std::vector<std::wstring>{L"2027 1.bmp  1/1"});
    EXPECT_EQ(RunExport({L"--ppp"}, maker, fine, {4}, {}), UsageMistake);
}

TEST(SheetScale, PageSizesPlacesAndFontsAtPrintResolutions) {
    const SheetScale screen;
    for (int value : {-10, 0, 1, 35, 1121, 1122})
        EXPECT_EQ(screen.ToPixelsX(value), value) << value;

    const SheetScale print(300);
    EXPECT_EQ(print.PageWidth(), 3506);  // 3506.25
    EXPECT_EQ(print.PageHeight(), 2481);
    EXPECT_EQ(print.ToPixelsY(-10), -31);             // the title stands above the page
    EXPECT_EQ(print.WidthToPixels(1), 3);             // pen width
    EXPECT_EQ(print.HeightToPixels(33), 103);         // icon size
    EXPECT_EQ(print.WidthToSheet(3506), 1122);        // a text width back in the layout
    EXPECT_EQ(SheetScale(600).PageWidth(), 7012);     // 7012.5: the even neighbour
    EXPECT_EQ(SheetScale(600).PageHeight(), 4962);    // 4962.5
    EXPECT_EQ(SheetScale(144).WidthToPixels(3), 4);   // 4.5
    EXPECT_EQ(SheetScale(144).HeightToPixels(5), 8);  // 7.5
    EXPECT_EQ(screen.FontHeight(42), 56);             // the title's 42 points
    EXPECT_EQ(SheetScale(180).FontHeight(29), 73);    // 72.5: up, as MulDiv
}

TEST(PagesAtOnce, OnePerProcessorAsFarAsTheFreeMemoryHoldsAndAlwaysOne) {
    const std::uint64_t page600 = 7012ull * 4962 * 11;
    EXPECT_EQ(PagesAtOnce({8, 3 * page600 - 1}, 600), 2u);
    EXPECT_EQ(PagesAtOnce({2, 3 * page600}, 600), 2u);
    EXPECT_EQ(PagesAtOnce({8, page600 / 2}, 600), 1u);
    EXPECT_EQ(PagesAtOnce({0, 3 * page600}, 96), 1u);
}

TEST(PagePalette, FewColorsBecomeIndicesThatGiveBackEveryPixelAndManyGiveNoPalette) {
    PixelImage image{300, 2, std::vector<Color>(600, White)};
    for (int x = 0; x < 254; ++x) image.Pixels[300 + x] = static_cast<Color>(x * 0x010101);
    image.Pixels[7] = Red;  // 254 greys, white and red
    const std::optional<PalettedImage> paletted = PaletteOf(image);
    ASSERT_TRUE(paletted.has_value());
    EXPECT_EQ(paletted->Palette.size(), 256u);
    ASSERT_EQ(paletted->Indices.size(), image.Pixels.size());
    for (std::size_t k = 0; k < image.Pixels.size(); ++k)
        EXPECT_EQ(paletted->Palette.at(paletted->Indices[k]), image.Pixels[k]) << k;

    image.Pixels[299] = 0x00123456;  // the 257th colour
    EXPECT_FALSE(PaletteOf(image).has_value());
}

}  // namespace
