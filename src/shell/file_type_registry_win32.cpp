#include "shell/file_type_registry_win32.h"

#include <vector>

#include "platform/cp1252.h"
#include "platform/win32/handles.h"
#include "platform/win32/message_box.h"
#include "platform/win32/program_file.h"

namespace {

constexpr std::size_t RegistryTextCharacters = 1023;

std::wstring ToWide(std::string_view text, std::size_t limit) {
    return Cp1252ToWide(text.substr(0, std::min(text.size(), limit)));
}

}  // namespace

int WriteRegistryText(HKEY root, std::string_view keyPath, std::string_view valueName,
                      std::string_view text) {
    const std::wstring data = ToWide(text, RegistryTextCharacters);
    const std::wstring name = ToWide(valueName, RegistryTextCharacters);
    if (!root) root = HKEY_CURRENT_USER;
    HKEY created = nullptr;
    if (RegCreateKeyExW(root, Cp1252ToWide(StripKeyPathBackslashes(keyPath)).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &created,
                        nullptr) != ERROR_SUCCESS)
        return 0;
    const UniqueRegistryKey key(created);
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    const LONG result = RegSetValueExW(key.Get(), name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(data.c_str()), bytes);
    return result == ERROR_SUCCESS ? 1 : 0;
}

std::optional<std::string> ClassesRootRegistry::ReadDefaultValue(std::string_view keyPath) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, Cp1252ToWide(keyPath).c_str(), 0, KEY_READ, &opened) !=
        ERROR_SUCCESS)
        return std::nullopt;
    const UniqueRegistryKey key(opened);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key.Get(), nullptr, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::string();
    std::vector<wchar_t> value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key.Get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                         &bytes) != ERROR_SUCCESS)
        return std::string();
    return WideToCp1252(value.data());
}

bool ClassesRootRegistry::WriteDefaultValue(std::string_view keyPath, std::string_view text) {
    return WriteRegistryText(HKEY_CLASSES_ROOT, keyPath, "", text) == 1;
}

std::string ClassesRootRegistry::ExpandEnvironmentReferences(std::string_view text) {
    const std::wstring source = Cp1252ToWide(text);
    const DWORD needed = ExpandEnvironmentStringsW(source.c_str(), nullptr, 0);
    if (needed == 0) return std::string(text);
    std::vector<wchar_t> expanded(needed + 1, L'\0');
    if (ExpandEnvironmentStringsW(source.c_str(), expanded.data(), needed + 1) == 0)
        return std::string(text);
    return WideToCp1252(expanded.data());
}

void CheckFileTypeRegistration() {
    ClassesRootRegistry registry;
    if (EnsureFileTypeRegistered(registry, WideToCp1252(ProgramFilePath())) ==
        RegisterResult::ExtensionWithDot)
        ShowMessage(ExtensionWithDotMessage);
}
