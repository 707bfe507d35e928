#include "export/png_file_win32.h"

#include <windows.h>
// after windows.h, which they need
#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstring>

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

bool WriteRows(IWICBitmapFrameEncode* frame, const PixelImage& image) {
    const UINT stride = (static_cast<UINT>(image.Width) * 3 + 3) & ~3u;
    std::vector<BYTE> rows(static_cast<std::size_t>(stride) * RowsPerBatch);
    for (int top = 0; top < image.Height; top += RowsPerBatch) {
        const int count = std::min(RowsPerBatch, image.Height - top);
        for (int y = 0; y < count; ++y) {
            BYTE* out = rows.data() + static_cast<std::size_t>(y) * stride;
            for (int x = 0; x < image.Width; ++x) {
                const Colour pixel = image.At(x, top + y);  // 0x00BBGGRR
                *out++ = static_cast<BYTE>(pixel >> 16);
                *out++ = static_cast<BYTE>(pixel >> 8);
                *out++ = static_cast<BYTE>(pixel);
            }
        }
        if (FAILED(
                frame->WritePixels(static_cast<UINT>(count), stride, stride * count, rows.data())))
            return false;
    }
    return true;
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
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR ||
        !WriteRows(frame.Get(), image) || FAILED(frame->Commit()) || FAILED(encoder->Commit()))
        return {};
    return StreamBytes(stream.Get());
}
