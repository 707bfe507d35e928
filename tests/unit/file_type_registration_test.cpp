#include "shell/file_type_registration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <map>

namespace {

std::wstring Lower(std::wstring_view text) {
    std::wstring lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return lower;
}

// Keys compare without regard to case, as in the registry; every write is logged.
class FakeRegistry final : public FileTypeRegistry {
  public:
    std::map<std::wstring, std::wstring> Values;  // lower-case key path -> default value
    std::vector<std::pair<std::wstring, std::wstring>> Writes;

    std::optional<std::wstring> ReadDefaultValue(std::wstring_view keyPath) override {
        const auto found = Values.find(Lower(keyPath));
        if (found == Values.end()) return std::nullopt;
        return found->second;
    }
    bool WriteDefaultValue(std::wstring_view keyPath, std::wstring_view text) override {
        Writes.emplace_back(keyPath, text);
        Values[Lower(keyPath)] = text;
        return true;
    }
    std::wstring ExpandEnvironmentReferences(std::wstring_view text) override {
        std::wstring expanded(text);
        const std::wstring reference = L"%SystemRoot%";
        if (auto at = expanded.find(reference); at != std::wstring::npos)
            expanded.replace(at, reference.size(), L"C:\\windows");
        return expanded;
    }
};

const std::wstring Program = L"C:\\Mis programas\\almanaque.exe";

TEST(FileTypeRegistration, FirstStartWritesExactlyTheThreeEntries) {
    FakeRegistry registry;
    EXPECT_EQ(EnsureFileTypeRegistered(registry, Program), RegisterResult::Written);
    const std::vector<std::pair<std::wstring, std::wstring>> expected = {
        {L".vrel", L"vrel-files"},
        {L"vrel-files\\DefaultIcon", L"C:\\\\Mis programas\\\\almanaque.exe,0"},
        {L"vrel-files\\Shell\\Open\\Command", L"\"C:\\\\Mis programas\\\\almanaque.exe\" %1"},
    };
    EXPECT_EQ(registry.Writes, expected);
    // The check reads the command back through the lower-case "shell\open\command" path.
    EXPECT_EQ(ReadOpenCommand(registry, L".vrel"), expected[2].second);
}

TEST(FileTypeRegistration, AnExistingOpenCommandIsNeverReplaced) {
    FakeRegistry registry;
    EnsureFileTypeRegistered(registry, Program);
    registry.Writes.clear();
    EXPECT_EQ(EnsureFileTypeRegistered(registry, Program), RegisterResult::AlreadyRegistered);
    EXPECT_TRUE(registry.Writes.empty());

    FakeRegistry other;
    other.Values = {{L".vrel", L"otro.tipo"}, {L"otro.tipo\\shell\\open\\command", L"otro.exe %1"}};
    EXPECT_EQ(EnsureFileTypeRegistered(other, Program), RegisterResult::AlreadyRegistered);
    EXPECT_TRUE(other.Writes.empty());
}

TEST(FileTypeRegistration, TypeWithoutOpenCommandIsRegisteredAgain) {
    for (const wchar_t* command : {L"", L"   "}) {
        FakeRegistry registry;
        registry.Values = {{L".vrel", L"otro.tipo"}};
        if (*command) registry.Values[L"otro.tipo\\shell\\open\\command"] = command;
        EXPECT_EQ(EnsureFileTypeRegistered(registry, Program), RegisterResult::Written);
        EXPECT_EQ(registry.Writes.size(), 3u);
        EXPECT_EQ(*registry.ReadDefaultValue(L".vrel"), L"vrel-files");
    }
}

TEST(ReadOpenCommand, ExpandsEnvironmentReferencesAndHandlesMissingKeys) {
    FakeRegistry registry;
    EXPECT_EQ(ReadOpenCommand(registry, L".vrel"), L"");
    registry.Values = {{L".vrel", L"vrel-files"},
                       {L"vrel-files\\shell\\open\\command", L"%SystemRoot%\\notepad.exe %1"}};
    EXPECT_EQ(ReadOpenCommand(registry, L".vrel"), L"C:\\windows\\notepad.exe %1");
    registry.Values[L".vrel"] = L"";
    EXPECT_EQ(ReadOpenCommand(registry, L".vrel"), L"");
}

TEST(RegisterFileType, RefusesAnExtensionWithADot) {
    FakeRegistry registry;
    EXPECT_EQ(RegisterFileType(registry, L".vrel", 0, Program), RegisterResult::ExtensionWithDot);
    EXPECT_EQ(RegisterFileType(registry, L"vr.el", 0, Program), RegisterResult::ExtensionWithDot);
    EXPECT_TRUE(registry.Writes.empty());
}

TEST(RegistryTexts, BackslashesAreDoubledInPlaceAndStrippedFromKeyPaths) {
    std::wstring path = L"C:\\a\\\\b\\";
    DoubleBackslashes(path);
    EXPECT_EQ(path, L"C:\\\\a\\\\\\\\b\\\\");
    EXPECT_EQ(StripKeyPathBackslashes(L"\\\\\\.vrel\\\\"), L".vrel");
    EXPECT_EQ(StripKeyPathBackslashes(L"vrel-files\\Shell\\Open\\Command"),
              L"vrel-files\\Shell\\Open\\Command");
    EXPECT_EQ(StripKeyPathBackslashes(L"\\\\"), L"");
}

}  // namespace
