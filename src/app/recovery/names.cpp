#include "app/recovery/names.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

namespace {

constexpr std::wstring_view StemStart = L"hoja-";
constexpr std::size_t StemLength = StemStart.size() + 16 + 1 + 8;
constexpr std::wstring_view Extensions[] = {L".vrel", L".ruta", L".lock"};

bool IsHexDigit(wchar_t unit) {
    return (unit >= L'0' && unit <= L'9') || (unit >= L'a' && unit <= L'f');
}

bool IsStem(std::wstring_view text) {
    if (text.size() != StemLength || !text.starts_with(StemStart)) return false;
    const std::wstring_view digits = text.substr(StemStart.size());
    for (std::size_t at = 0; at < digits.size(); ++at)
        if (at == 16 ? digits[at] != L'-' : !IsHexDigit(digits[at])) return false;
    return true;
}

}  // namespace

std::wstring RecoveryStem(std::uint64_t startTime, std::uint32_t randomNumber) {
    wchar_t stem[StemLength + 1] = {};
    std::swprintf(stem, std::size(stem), L"hoja-%016llx-%08lx",
                  static_cast<unsigned long long>(startTime),
                  static_cast<unsigned long>(randomNumber));
    return stem;
}

RecoveryFiles RecoveryFilesOf(const std::wstring& folder, const std::wstring& stem) {
    const std::wstring base = folder + stem;
    return {base + L".vrel", base + L".ruta", base + L".lock", base + L" da\u00f1ada.vrel"};
}

std::optional<std::wstring> RecoveryStemOf(std::wstring_view fileName) {
    for (const std::wstring_view extension : Extensions)
        if (fileName.ends_with(extension)) {
            const std::wstring_view stem = fileName.substr(0, fileName.size() - extension.size());
            if (IsStem(stem)) return std::wstring(stem);
        }
    return std::nullopt;
}
