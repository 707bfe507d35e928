#include "shell/file_type_registry_win32.h"

#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/message_box.h"
#include "platform/win32/program_file.h"

namespace {

constexpr std::size_t RegistryTextCharacters = 1023;

std::wstring UpToLimit(std::wstring_view text) {
    return std::wstring(text.substr(0, std::min(text.size(), RegistryTextCharacters)));
}

}  // namespace

bool WriteRegistryText(HKEY root, std::wstring_view keyPath, std::wstring_view text) {
    const std::wstring data = UpToLimit(text);
    HKEY created = nullptr;
    if (RegCreateKeyExW(root, StripKeyPathBackslashes(keyPath).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &created,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const UniqueRegistryKey key(created);
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.Get(), nullptr, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}

std::optional<std::wstring> ClassesRootRegistry::ReadDefaultValue(std::wstring_view keyPath) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, std::wstring(keyPath).c_str(), 0, KEY_READ, &opened) !=
        ERROR_SUCCESS)
        return std::nullopt;
    const UniqueRegistryKey key(opened);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key.Get(), nullptr, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::wstring();
    std::vector<wchar_t> value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key.Get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                         &bytes) != ERROR_SUCCESS)
        return std::wstring();
    return std::wstring(value.data());
}

bool ClassesRootRegistry::WriteDefaultValue(std::wstring_view keyPath, std::wstring_view text) {
    return WriteRegistryText(HKEY_CLASSES_ROOT, keyPath, text);
}

std::wstring ClassesRootRegistry::ExpandEnvironmentReferences(std::wstring_view text) {
    const std::wstring source(text);
    const DWORD needed = ExpandEnvironmentStringsW(source.c_str(), nullptr, 0);
    if (needed == 0) return source;
    std::vector<wchar_t> expanded(needed + 1, L'\0');
    if (ExpandEnvironmentStringsW(source.c_str(), expanded.data(), needed + 1) == 0) return source;
    return std::wstring(expanded.data());
}

void CheckFileTypeRegistration() {
    ClassesRootRegistry registry;
    if (EnsureFileTypeRegistered(registry, ProgramFilePath()) == RegisterResult::ExtensionWithDot)
        ShowMessage(ExtensionWithDotMessage);
}
