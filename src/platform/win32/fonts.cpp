#include "platform/win32/fonts.h"

#include <algorithm>

LOGFONTW DescribeFont(std::wstring_view face, int points, int weight, int pixelsPerInch) {
    return DescribeFontOfHeight(face, MulDiv(points, pixelsPerInch, 72), weight);
}

LOGFONTW DescribeFontOfHeight(std::wstring_view face, int pixelHeight, int weight) {
    LOGFONTW font{};
    font.lfHeight = -pixelHeight;
    font.lfWeight = weight;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    std::copy_n(face.data(), length, font.lfFaceName);
    return font;
}

UniqueFont CreateDialogFont(std::wstring_view face, int points, int weight, int dotsPerInch) {
    const LOGFONTW font = DescribeFont(face, points, weight, dotsPerInch);
    return UniqueFont(CreateFontIndirectW(&font));
}
