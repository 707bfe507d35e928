#pragma once
// Where the sheet goes on a printer's page: as large as the printable area allows, with its
// proportions kept (on paper, so also on a printer whose horizontal and vertical resolutions
// differ), centred on the paper as far as the printable area lets it be; with equal margins, that
// is centred in the printable area too.

#include <optional>

#include "render/sheet_scale.h"

// What a printer tells of its page, in its own pixels (GetDeviceCaps).
struct PrinterPage {
    int PaperWidth;       // PHYSICALWIDTH
    int PaperHeight;      // PHYSICALHEIGHT
    int PrintableWidth;   // HORZRES
    int PrintableHeight;  // VERTRES
    int OffsetX;          // PHYSICALOFFSETX: the printable area's left edge on the paper
    int OffsetY;          // PHYSICALOFFSETY: its top edge
    int DotsPerInchX;     // LOGPIXELSX
    int DotsPerInchY;     // LOGPIXELSY
};

// The sheet's scale and origin in the printable area's pixels, which are those a printer's
// device context draws in. Nothing for a page without printable area or resolution.
std::optional<SheetScale> FitSheetOnPage(const PrinterPage& page);
