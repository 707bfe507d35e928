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

// Keys compare without regard to case, as in the registry; every write goes to the user's
// classes and is logged as "key path|value name" and text.
class FakeRegistry final : public FileTypeRegistry {
  public:
    std::map<std::wstring, std::wstring> User, Merged;  // lower-case key path -> default value
    std::vector<std::pair<std::wstring, std::wstring>> Writes;

    std::optional<std::wstring> ReadDefaultValue(ClassesView view,
                                                 std::wstring_view keyPath) override {
        const auto& values = view == ClassesView::User ? User : Merged;
        const auto found = values.find(Lower(keyPath));
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
    bool WriteValue(std::wstring_view keyPath, std::wstring_view valueName,
                    std::wstring_view text) override {
        Writes.emplace_back(std::wstring(keyPath) + L"|" + std::wstring(valueName), text);
        if (valueName.empty()) User[Lower(keyPath)] = text;
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

TEST(FileTypeRegistration, FirstStartWritesExactlyTheFourEntries) {
    FakeRegistry registry;
    EXPECT_EQ(EnsureFileTypeRegistered(registry, Program), RegisterResult::Written);
    const std::vector<std::pair<std::wstring, std::wstring>> expected = {
        {L".vrel|", L"vrel-files"},
        {L".vrel\\OpenWithProgids|vrel-files", L""},
        {L"vrel-files\\DefaultIcon|", L"C:\\\\Mis programas\\\\almanaque.exe,0"},
        {L"vrel-files\\Shell\\Open\\Command|", L"\"C:\\\\Mis programas\\\\almanaque.exe\" %1"},
    };
    EXPECT_EQ(registry.Writes, expected);
    // The check reads the command back through the lower-case "shell\open\command" path.
    EXPECT_EQ(ReadOpenCommand(registry, L".vrel"), expected[3].second);
}

TEST(FileTypeRegistration, AnExistingOpenCommandIsNeverReplaced) {
    FakeRegistry registry;
    EnsureFileTypeRegistered(registry, Program);
    registry.Writes.clear();
    EXPECT_EQ(EnsureFileTypeRegistered(registry, Program), RegisterResult::AlreadyRegistered);
    EXPECT_TRUE(registry.Writes.empty());

    FakeRegistry other;
    other.Merged = {{L".vrel", L"otro.tipo"}, {L"otro.tipo\\shell\\open\\command", L"otro.exe %1"}};
    EXPECT_EQ(EnsureFileTypeRegistered(other, Program), RegisterResult::AlreadyRegistered);
    EXPECT_TRUE(other.Writes.empty());
}

TEST(FileTypeRegistration, TypeWithoutOpenCommandIsRegisteredAgain) {
    for (const wchar_t* command : {L"", L"   "}) {
        FakeRegistry registry;
        registry.Merged = {{L".vrel", L"otro.tipo"}};
        if (*command) registry.Merged[L"otro.tipo\\shell\\open\\command"] = command;
        EXPECT_EQ(EnsureFileTypeRegistered(registry, Program), RegisterResult::Written);
        EXPECT_EQ(registry.Writes.size(), 4u);
        EXPECT_EQ(registry.User[L".vrel"], L"vrel-files");
    }
}

TEST(ReadOpenCommand, ExpandsEnvironmentReferencesAndHandlesMissingKeys) {
    FakeRegistry registry;
    EXPECT_EQ(ReadOpenCommand(registry, L".vrel"), L"");
    registry.Merged = {{L".vrel", L"vrel-files"},
                       {L"vrel-files\\shell\\open\\command", L"%SystemRoot%\\notepad.exe %1"}};
    EXPECT_EQ(ReadOpenCommand(registry, L".vrel"), L"C:\\windows\\notepad.exe %1");
    // The user's own command comes first; a blank one there leaves the merged one.
    registry.User = {{L".vrel", L"mio"}, {L"mio\\shell\\open\\command", L"mio.exe %1"}};
    EXPECT_EQ(ReadOpenCommand(registry, L".vrel"), L"mio.exe %1");
    registry.User[L"mio\\shell\\open\\command"] = L"  ";
    EXPECT_EQ(ReadOpenCommand(registry, L".vrel"), L"C:\\windows\\notepad.exe %1");
    registry.Merged[L".vrel"] = L"";
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
