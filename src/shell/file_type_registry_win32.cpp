#include "shell/file_type_registry_win32.h"

#include <windows.h>
// after windows.h, which it needs
#include <shlobj.h>

#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/message_box.h"
#include "platform/win32/program_file.h"

namespace {

constexpr std::size_t RegistryTextCharacters = 1023;
constexpr wchar_t UserClasses[] = L"Software\\Classes\\";

std::wstring UpToLimit(std::wstring_view text) {
    return std::wstring(text.substr(0, std::min(text.size(), RegistryTextCharacters)));
}

}  // namespace

bool WriteRegistryText(HKEY root, std::wstring_view keyPath, std::wstring_view valueName,
                       std::wstring_view text) {
    const std::wstring data = UpToLimit(text);
    HKEY created = nullptr;
    if (RegCreateKeyExW(root, StripKeyPathBackslashes(keyPath).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &created,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const UniqueRegistryKey key(created);
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    const std::wstring name(valueName);
    return RegSetValueExW(key.Get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}

std::optional<std::wstring> UserClassesRegistry::ReadDefaultValue(ClassesView view,
                                                                  std::wstring_view keyPath) {
    const bool user = view == ClassesView::User;
    const std::wstring path = (user ? UserClasses : L"") + std::wstring(keyPath);
    HKEY opened = nullptr;
    if (RegOpenKeyExW(user ? HKEY_CURRENT_USER : HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ,
                      &opened) != ERROR_SUCCESS)
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

bool UserClassesRegistry::WriteValue(std::wstring_view keyPath, std::wstring_view valueName,
                                     std::wstring_view text) {
    return WriteRegistryText(HKEY_CURRENT_USER, UserClasses + StripKeyPathBackslashes(keyPath),
                             valueName, text);
}

std::wstring UserClassesRegistry::ExpandEnvironmentReferences(std::wstring_view text) {
    const std::wstring source(text);
    const DWORD needed = ExpandEnvironmentStringsW(source.c_str(), nullptr, 0);
    if (needed == 0) return source;
    std::vector<wchar_t> expanded(needed + 1, L'\0');
    if (ExpandEnvironmentStringsW(source.c_str(), expanded.data(), needed + 1) == 0) return source;
    return std::wstring(expanded.data());
}

void CheckFileTypeRegistration() {
    UserClassesRegistry registry;
    switch (EnsureFileTypeRegistered(registry, ProgramFilePath())) {
        case RegisterResult::Written:
            // A program that changes a file association must tell the shell so.
            SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
            break;
        case RegisterResult::ExtensionWithDot:
            ShowMessage(nullptr, ExtensionWithDotMessage);
            break;
        case RegisterResult::AlreadyRegistered:
            break;
    }
}
