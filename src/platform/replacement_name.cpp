#include "platform/replacement_name.h"

#include <cstdint>
#include <cwchar>

std::wstring ReplacementNameFor(std::wstring_view targetName) {
    // FNV-1a over the name's UTF-16 units.
    std::uint32_t hash = 2166136261u;
    for (wchar_t unit : targetName) {
        if (unit >= L'A' && unit <= L'Z') unit = static_cast<wchar_t>(unit - L'A' + L'a');
        const auto value = static_cast<std::uint32_t>(unit) & 0xFFFF;
        for (std::uint32_t byte : {value & 0xFF, value >> 8}) {
            hash ^= byte;
            hash *= 16777619u;
        }
    }
    wchar_t name[32] = {};
    std::swprintf(name, 32, L"~vrl%08lx.tmp", static_cast<unsigned long>(hash));
    return name;
}

std::wstring BackupNameFor(std::wstring_view targetName) {
    return L"~vrb" + ReplacementNameFor(targetName).substr(4);
}
