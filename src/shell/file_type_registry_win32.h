#pragma once
// The file-type registration against the real registry.

#include <windows.h>

#include <string_view>

#include "shell/file_type_registration.h"

// Sets a value of a key (created when missing) as REG_SZ, cut to 1023 characters; an empty name
// sets the default value. Leading and trailing backslashes of the key path are ignored. False
// when it was not written.
bool WriteRegistryText(HKEY root, std::wstring_view keyPath, std::wstring_view valueName,
                       std::wstring_view text);

// Writes under HKEY_CURRENT_USER\Software\Classes, never through HKEY_CLASSES_ROOT: new keys
// written there go to the machine's classes, which a standard user may not change.
class UserClassesRegistry final : public FileTypeRegistry {
  public:
    std::optional<std::wstring> ReadDefaultValue(ClassesView view,
                                                 std::wstring_view keyPath) override;
    bool WriteValue(std::wstring_view keyPath, std::wstring_view valueName,
                    std::wstring_view text) override;
    std::wstring ExpandEnvironmentReferences(std::wstring_view text) override;
};

// At every start: registers ".vrel" unless an open command for it exists, and then tells the
// desktop that an association changed. Silent on failure.
void CheckFileTypeRegistration();
