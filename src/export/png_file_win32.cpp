#include "export/png_file_win32.h"

#include <windows.h>
// after windows.h, which they need
#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstring>
#include <optional>

#include "export/page_palette.h"

namespace {

using Microsoft::WRL::ComPtr;

// Rows handed to the encoder at a time: a few megabytes, whatever the page's size.
constexpr int RowsPerBatch = 256;

// The bytes written into a stream on memory.
std::vector<std::uint8_t> StreamBytes(IStream* stream) {
    STATSTG status{};
    HGLOBAL memory = nullptr;
    if (FAILED(stream->Stat(&status, STATFLAG_NONAME)) ||
        FAILED(GetHGlobalFromStream(stream, &memory)))
        return {};
    const auto size = static_cast<std::size_t>(status.cbSize.QuadPart);
    const void* data = GlobalLock(memory);
    if (!data) return {};
    std::vector<std::uint8_t> bytes(size);
    std::memcpy(bytes.data(), data, size);
    GlobalUnlock(memory);
    return bytes;
}

// Rows go in unfiltered: a page is mostly rows of white, which compress just as well that way,
// and choosing a filter for every row is most of the encoder's time.
bool ChooseNoFilter(IPropertyBag2* frameOptions) {
    PROPBAG2 option{};
    option.pstrName = const_cast<LPOLESTR>(L"FilterOption");
    VARIANT value{};
    value.vt = VT_UI1;
    value.bVal = WICPngFilterNone;
    return SUCCEEDED(frameOptions->Write(1, &option, &value));
}

// Hands the rows over in batches; `fill` writes one row of the pixel format into its buffer.
template <typename FillRow>
bool WriteRows(IWICBitmapFrameEncode* frame, int height, UINT rowBytes, FillRow fill) {
    const UINT stride = (rowBytes + 3) & ~3u;
    std::vector<BYTE> rows(static_cast<std::size_t>(stride) * RowsPerBatch);
    for (int top = 0; top < height; top += RowsPerBatch) {
        const int count = std::min(RowsPerBatch, height - top);
        for (int y = 0; y < count; ++y) fill(top + y, rows.data() + std::size_t{stride} * y);
        if (FAILED(
                frame->WritePixels(static_cast<UINT>(count), stride, stride * count, rows.data())))
            return false;
    }
    return true;
}

bool SetFormat(IWICBitmapFrameEncode* frame, const WICPixelFormatGUID& wanted) {
    WICPixelFormatGUID format = wanted;
    return SUCCEEDED(frame->SetPixelFormat(&format)) && format == wanted;
}

bool WritePaletted(IWICImagingFactory* factory, IWICBitmapFrameEncode* frame,
                   const PalettedImage& paletted, int width, int height) {
    std::vector<WICColor> colors;
    for (const Color color : paletted.Palette)  // 0x00BBGGRR to opaque 0xAARRGGBB
        colors.push_back(0xFF000000u | (color & 0xFF) << 16 | (color & 0xFF00) |
                         (color >> 16 & 0xFF));
    ComPtr<IWICPalette> palette;
    if (FAILED(factory->CreatePalette(&palette)) ||
        FAILED(palette->InitializeCustom(colors.data(), static_cast<UINT>(colors.size()))) ||
        !SetFormat(frame, GUID_WICPixelFormat8bppIndexed) ||
        FAILED(frame->SetPalette(palette.Get())))
        return false;
    const auto rowBytes = static_cast<UINT>(width);
    return WriteRows(frame, height, rowBytes, [&](int y, BYTE* out) {
        std::memcpy(out, paletted.Indices.data() + std::size_t{rowBytes} * y, rowBytes);
    });
}

bool WriteTrueColor(IWICBitmapFrameEncode* frame, const PixelImage& image) {
    if (!SetFormat(frame, GUID_WICPixelFormat24bppBGR)) return false;
    return WriteRows(frame, image.Height, static_cast<UINT>(image.Width) * 3,
                     [&](int y, BYTE* out) {
                         for (int x = 0; x < image.Width; ++x) {
                             const Color pixel = image.At(x, y);  // 0x00BBGGRR
                             *out++ = static_cast<BYTE>(pixel >> 16);
                             *out++ = static_cast<BYTE>(pixel >> 8);
                             *out++ = static_cast<BYTE>(pixel);
                         }
                     });
}

}  // namespace

std::vector<std::uint8_t> EncodePngFile(const PixelImage& image, int dotsPerInch) {
    if (image.Width <= 0 || image.Height <= 0 ||
        image.Pixels.size() != static_cast<std::size_t>(image.Width) * image.Height)
        return {};
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> frameOptions;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&factory))) ||
        FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(&frame, &frameOptions)) ||
        !ChooseNoFilter(frameOptions.Get()) || FAILED(frame->Initialize(frameOptions.Get())) ||
        FAILED(frame->SetSize(static_cast<UINT>(image.Width), static_cast<UINT>(image.Height))) ||
        FAILED(frame->SetResolution(dotsPerInch, dotsPerInch)))
        return {};
    const std::optional<PalettedImage> paletted = PaletteOf(image);
    const bool written =
        paletted ? WritePaletted(factory.Get(), frame.Get(), *paletted, image.Width, image.Height)
                 : WriteTrueColor(frame.Get(), image);
    if (!written || FAILED(frame->Commit()) || FAILED(encoder->Commit())) return {};
    return StreamBytes(stream.Get());
}
