#pragma once
// The file-type registration against the real registry.

#include <windows.h>

#include <string_view>

#include "shell/file_type_registration.h"

// Sets the default value of a key (created when missing) as REG_SZ, cut to 1023 characters.
// Leading and trailing backslashes of the key path are ignored. False when it was not written.
bool WriteRegistryText(HKEY root, std::wstring_view keyPath, std::wstring_view text);

class ClassesRootRegistry final : public FileTypeRegistry {
  public:
    std::optional<std::wstring> ReadDefaultValue(std::wstring_view keyPath) override;
    bool WriteDefaultValue(std::wstring_view keyPath, std::wstring_view text) override;
    std::wstring ExpandEnvironmentReferences(std::wstring_view text) override;
};

// At every start: registers ".vrel" unless an open command for it exists. Silent on failure.
void CheckFileTypeRegistration();
