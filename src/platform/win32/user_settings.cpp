#include "platform/win32/user_settings.h"

#include <vector>

#include "platform/win32/handles.h"

namespace {

bool WriteValue(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, UserSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS)
        return false;
    const UniqueRegistryKey key(created);
    return RegSetValueExW(key.Get(), name, 0, type, static_cast<const BYTE*>(data), bytes) ==
           ERROR_SUCCESS;
}

}  // namespace

std::optional<std::wstring> ReadUserText(const wchar_t* name) {
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, UserSettingsKey, name, RRF_RT_REG_SZ, nullptr, nullptr,
                     &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    // RegGetValueW ends the text with a null, whatever the stored value held.
    if (RegGetValueW(HKEY_CURRENT_USER, UserSettingsKey, name, RRF_RT_REG_SZ, nullptr, text.data(),
                     &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(text.data());
}

std::optional<DWORD> ReadUserNumber(const wchar_t* name) {
    DWORD number = 0;
    DWORD bytes = sizeof number;
    if (RegGetValueW(HKEY_CURRENT_USER, UserSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &number,
                     &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return number;
}

bool WriteUserText(const wchar_t* name, const std::wstring& text) {
    return WriteValue(name, REG_SZ, text.c_str(),
                      static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

bool WriteUserNumber(const wchar_t* name, DWORD number) {
    return WriteValue(name, REG_DWORD, &number, sizeof number);
}
