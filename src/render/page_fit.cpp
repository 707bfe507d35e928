#include "render/page_fit.h"

#include <algorithm>

namespace {

// The sheet's first pixel along one axis of the printable area: the sheet centred on the paper
// (a paper of unknown size taken as the printable area and equal margins), then moved inside.
int PlaceAlong(int paper, int offset, int printable, int sheet) {
    if (paper <= 0) paper = printable + 2 * offset;
    return std::clamp(RoundHalvesToEven(paper - sheet - 2 * offset), 0, printable - sheet);
}

}  // namespace

std::optional<SheetScale> FitSheetOnPage(const PrinterPage& page) {
    if (page.PrintableWidth <= 0 || page.PrintableHeight <= 0 || page.DotsPerInchX <= 0 ||
        page.DotsPerInchY <= 0)
        return std::nullopt;
    // A length on paper is pixels / dots per inch on each axis, so the sheet keeps its
    // proportions when x pixels : y pixels = SheetWidth * dpi x : SheetHeight * dpi y. It fills
    // the printable width when that leaves its height inside, the printable height otherwise.
    const long long widthX = static_cast<long long>(SheetWidth) * page.DotsPerInchX;
    const long long heightY = static_cast<long long>(SheetHeight) * page.DotsPerInchY;
    AxisRatio x{page.PrintableWidth, SheetWidth};
    AxisRatio y{static_cast<long long>(page.PrintableWidth) * page.DotsPerInchY,
                static_cast<long long>(SheetWidth) * page.DotsPerInchX};
    if (page.PrintableWidth * heightY > page.PrintableHeight * widthX) {
        y = {page.PrintableHeight, SheetHeight};
        x = {static_cast<long long>(page.PrintableHeight) * page.DotsPerInchX,
             static_cast<long long>(SheetHeight) * page.DotsPerInchY};
    }
    return SheetScale(
        x, y,
        PlaceAlong(page.PaperWidth, page.OffsetX, page.PrintableWidth, x.ToPixels(SheetWidth)),
        PlaceAlong(page.PaperHeight, page.OffsetY, page.PrintableHeight, y.ToPixels(SheetHeight)));
}
