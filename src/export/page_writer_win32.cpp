#include "export/page_writer_win32.h"

#include "export/png_file_win32.h"
#include "platform/files.h"
#include "platform/win32/com_apartment.h"
#include "render/bitmap_file.h"
#include "render/draw_month_sheet.h"
#include "render/gdi_canvas_win32.h"
#include "render/sheet_scale.h"

namespace {

class GdiPageWriter final : public PageWriter {
  public:
    explicit GdiPageWriter(const ExportOptions& options)
        : Format(options.Format),
          DotsPerInch(options.DotsPerInch),
          Canvas(SheetScale(options.DotsPerInch)) {}

    bool Write(const ExportPage& page, const std::wstring& path) override {
        const std::shared_ptr<const MonthSheet> sheet = SheetOfPage(page);
        Canvas.Clear(White);
        // A page printed ahead for a whole year marks no day as today.
        DrawMonthSheet(Canvas, *sheet, std::nullopt);
        const PixelImage pixels = Canvas.ReadPixels();
        return WriteWholeFile(path, Format == PageFormat::Png ? EncodePngFile(pixels, DotsPerInch)
                                                              : EncodeBitmapFile(pixels));
    }

  private:
    ComApartment Com;  // each worker thread joins COM for its page writer's life
    PageFormat Format;
    int DotsPerInch;
    GdiCanvas Canvas;
};

}  // namespace

std::unique_ptr<PageWriter> MakeGdiPageWriter(const ExportOptions& options) {
    return std::make_unique<GdiPageWriter>(options);
}
