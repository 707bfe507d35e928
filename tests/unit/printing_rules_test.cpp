// Where the sheet goes on a printer's page, for the papers, orientations and resolutions
// printers report; the size an icon is read at for a printer; and what the system's printing
// answers mean.

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "platform/print_answers.h"
#include "render/icon_sizes.h"
#include "render/page_fit.h"

namespace {

TEST(PageFit, LargestSheetWithItsProportionsOnPaperCentredInsideThePrintableArea) {
    struct Case {
        PrinterPage Page;          // paper, printable area, offsets, dots per inch across and down
        std::array<int, 4> Sheet;  // left, top, width, height in the printable area
    };
    const Case cases[] = {
        // A4 landscape at 300 dpi without margins (a PDF queue): the height limits, 3503.05
        // wide, centred at 2.5 -> 2; then the same with margins of 50 pixels.
        {{3508, 2479, 3508, 2479, 0, 0, 300, 300}, {2, 0, 3503, 2479}},
        {{3508, 2479, 3408, 2379, 50, 50, 300, 300}, {23, 0, 3362, 2379}},
        // A4 portrait: the width limits, the sheet in the middle of the page's height.
        {{2479, 3508, 2479, 3508, 0, 0, 300, 300}, {0, 877, 2479, 1754}},
        // Letter, quarter-inch margins, landscape at 600 dpi and portrait at 1200 dpi.
        {{6600, 5100, 6300, 4800, 150, 150, 600, 600}, {0, 171, 6300, 4458}},
        {{10200, 13200, 9800, 12800, 200, 200, 1200, 1200}, {0, 2932, 9800, 6935}},
        // 600 x 300 dpi: twice as many pixels across for the same inch; and 300 x 600 dpi.
        {{7016, 2480, 7016, 2480, 0, 0, 600, 300}, {4, 0, 7009, 2480}},
        {{2480, 7016, 2380, 6816, 50, 100, 300, 600}, {0, 1724, 2380, 3368}},
        // Margins of 0.2 in left and top, 0.6 in right and bottom: the paper's centre lies
        // further right than the printable area reaches.
        {{3508, 2479, 3268, 2239, 60, 60, 300, 300}, {104, 0, 3164, 2239}},
        // A large top margin only: the height limits, and the sheet is centred across.
        {{3508, 2479, 3508, 2179, 0, 300, 300, 300}, {214, 0, 3079, 2179}},
        // A printer that tells no paper size: centred in the printable area.
        {{0, 0, 3408, 2379, 50, 50, 300, 300}, {23, 0, 3362, 2379}},
    };
    for (const Case& c : cases) {
        const SheetScale fit = FitSheetOnPage(c.Page).value();
        EXPECT_EQ(
            (std::array{fit.ToPixelsX(0), fit.ToPixelsY(0), fit.PageWidth(), fit.PageHeight()}),
            c.Sheet)
            << c.Page.PrintableWidth << " x " << c.Page.PrintableHeight;
    }
    // The vertical scale gives the fonts: 42 points on 2480 pixels for 794 of the layout.
    EXPECT_EQ(FitSheetOnPage({7016, 2480, 7016, 2480, 0, 0, 600, 300})->FontHeight(42), 175);
    // No printable area or no resolution: no place for the sheet.
    EXPECT_FALSE(FitSheetOnPage({3508, 2479, 0, 2479, 0, 0, 300, 300}));
    EXPECT_FALSE(FitSheetOnPage({3508, 2479, 3508, 2479, 0, 0, 300, 0}));
}

TEST(IconLoadSize, TheSmallestOfferedSquareAtLeastAsLargeElseTheLargest) {
    // A directory of five images: 16, 32, 48, 256 (written as 0) pixels, and one 64 x 32.
    std::vector<std::uint8_t> file = {0, 0, 1, 0, 5, 0};
    for (const std::uint8_t side : {16, 32, 48, 0, 64}) {
        file.insert(file.end(), {side, side == 64 ? std::uint8_t{32} : side});
        file.insert(file.end(), 14, 0);
    }
    EXPECT_EQ(IconLoadSize(file, 33), 48);
    EXPECT_EQ(IconLoadSize(file, 32), 32);
    EXPECT_EQ(IconLoadSize(file, 206), 256);
    EXPECT_EQ(IconLoadSize(file, 300), 256);
    file.resize(6 + 2 * 16);  // a file cut short: what is there counts
    EXPECT_EQ(IconLoadSize(file, 103), 32);
    EXPECT_EQ(IconLoadSize({'B', 'M', 0, 0, 1, 0}, 103), 103);  // no icon file
}

// "Aplicar" keeps the choice for the next "Imprimir" without printing; only a print prints.
TEST(PrintAnswers, HowTheDialogClosedAndWhyAJobDidNotStart) {
    for (const auto& [action, prints, keeps] : {std::tuple{0ul, false, false},
                                                {1ul, true, true},
                                                {2ul, false, true},
                                                {7ul, false, false}}) {
        EXPECT_EQ(OutcomeOf(action).Prints, prints) << action;
        EXPECT_EQ(OutcomeOf(action).KeepsSettings, keeps) << action;
    }
    // The file box of "Microsoft Print to PDF" cancelled; a job deleted in the queue
    // (ERROR_PRINT_CANCELLED) and a refusal are failures.
    EXPECT_TRUE(StartCancelledByUser(1223));
    EXPECT_FALSE(StartCancelledByUser(63));
    EXPECT_FALSE(StartCancelledByUser(5));
}

}  // namespace
