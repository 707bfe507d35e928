// Where the sheet goes on a printer's page, for the papers, orientations and resolutions
// printers report.

#include "render/page_fit.h"

#include <gtest/gtest.h>

namespace {

struct Fitted {
    int Left, Top, Width, Height;
};

Fitted Fit(const PrinterPage& page) {
    const SheetScale scale = FitSheetOnPage(page).value();
    return {scale.ToPixelsX(0), scale.ToPixelsY(0), scale.PageWidth(), scale.PageHeight()};
}

void ExpectFit(const PrinterPage& page, Fitted expected) {
    const Fitted got = Fit(page);
    EXPECT_EQ(got.Left, expected.Left);
    EXPECT_EQ(got.Top, expected.Top);
    EXPECT_EQ(got.Width, expected.Width);
    EXPECT_EQ(got.Height, expected.Height);
    // Inside the printable area, and the sheet's proportions on paper within a pixel.
    EXPECT_GE(got.Left, 0);
    EXPECT_GE(got.Top, 0);
    EXPECT_LE(got.Left + got.Width, page.PrintableWidth);
    EXPECT_LE(got.Top + got.Height, page.PrintableHeight);
    const double onPaper =
        (double(got.Width) / page.DotsPerInchX) / (double(got.Height) / page.DotsPerInchY);
    EXPECT_NEAR(onPaper, 1122.0 / 794.0, 1122.0 / 794.0 / got.Height);
}

TEST(PageFit, A4AndLetterInBothOrientationsAtPrinterResolutions) {
    // A4 landscape at 300 dpi without margins (a PDF queue): the height limits; 3503.05 wide,
    // centred at 2.5 -> 2.
    ExpectFit({3508, 2479, 3508, 2479, 0, 0, 300, 300}, {2, 0, 3503, 2479});
    // The same paper with margins of 50 pixels on every side.
    ExpectFit({3508, 2479, 3408, 2379, 50, 50, 300, 300}, {23, 0, 3362, 2379});
    // A4 portrait: the width limits, the sheet in the middle of the page's height.
    ExpectFit({2479, 3508, 2479, 3508, 0, 0, 300, 300}, {0, 877, 2479, 1754});
    // Letter landscape at 600 dpi, quarter-inch margins: the width limits.
    ExpectFit({6600, 5100, 6300, 4800, 150, 150, 600, 600}, {0, 171, 6300, 4458});
    // Letter portrait at 1200 dpi.
    ExpectFit({10200, 13200, 9800, 12800, 200, 200, 1200, 1200}, {0, 2932, 9800, 6935});
    // A4 landscape at 1200 dpi.
    ExpectFit({14032, 9921, 14032, 9921, 0, 0, 1200, 1200}, {6, 0, 14019, 9921});
}

TEST(PageFit, UnequalResolutionsKeepTheProportionsOnPaper) {
    // A4 landscape at 600 x 300 dpi: twice as many pixels across for the same inch.
    ExpectFit({7016, 2480, 7016, 2480, 0, 0, 600, 300}, {4, 0, 7009, 2480});
    // 300 x 600 dpi, portrait, with margins.
    ExpectFit({2480, 7016, 2380, 6816, 50, 100, 300, 600}, {0, 1724, 2380, 3368});
    // The vertical scale gives the fonts: 42 points on 2480 pixels for 794 of the layout.
    EXPECT_EQ(FitSheetOnPage({7016, 2480, 7016, 2480, 0, 0, 600, 300})->FontHeight(42), 175);
}

TEST(PageFit, UnequalMarginsCentreOnThePaperAsFarAsThePrintableAreaAllows) {
    // Margins of 0.2 in left and top, 0.6 in right and bottom at 300 dpi on A4 landscape: the
    // paper's centre lies further right than the printable area reaches.
    ExpectFit({3508, 2479, 3268, 2239, 60, 60, 300, 300}, {104, 0, 3164, 2239});
    // Only the top margin is large: the height limits, and the sheet is centred across.
    ExpectFit({3508, 2479, 3508, 2179, 0, 300, 300, 300}, {214, 0, 3079, 2179});
    // A printer that tells no paper size: centred in the printable area.
    ExpectFit({0, 0, 3408, 2379, 50, 50, 300, 300}, {23, 0, 3362, 2379});
    // No printable area or no resolution: no place for the sheet.
    EXPECT_FALSE(FitSheetOnPage({3508, 2479, 0, 2479, 0, 0, 300, 300}));
    EXPECT_FALSE(FitSheetOnPage({3508, 2479, 3508, 2479, 0, 0, 300, 0}));
}

}  // namespace
