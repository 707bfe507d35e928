#include "shell/file_type_registration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Keys compare without regard to case, as in the registry; every write is logged.
class FakeRegistry final : public FileTypeRegistry {
  public:
    std::map<std::string, std::string> Values;  // lower-case key path -> default value
    std::vector<std::pair<std::string, std::string>> Writes;

    std::optional<std::string> ReadDefaultValue(std::string_view keyPath) override {
        const auto found = Values.find(Lower(keyPath));
        if (found == Values.end()) return std::nullopt;
        return found->second;
    }
    bool WriteDefaultValue(std::string_view keyPath, std::string_view text) override {
        Writes.emplace_back(keyPath, text);
        Values[Lower(keyPath)] = text;
        return true;
    }
    std::string ExpandEnvironmentReferences(std::string_view text) override {
        std::string expanded(text);
        const std::string reference = "%SystemRoot%";
        if (auto at = expanded.find(reference); at != std::string::npos)
            expanded.replace(at, reference.size(), "C:\\windows");
        return expanded;
    }
};

const std::string Program = "C:\\Mis programas\\almanaque.exe";

TEST(FileTypeRegistration, FirstStartWritesExactlyTheThreeEntries) {
    FakeRegistry registry;
    EXPECT_EQ(EnsureFileTypeRegistered(registry, Program), RegisterResult::Written);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {".vrel", "vrel-files"},
        {"vrel-files\\DefaultIcon", "C:\\\\Mis programas\\\\almanaque.exe,0"},
        {"vrel-files\\Shell\\Open\\Command", "\"C:\\\\Mis programas\\\\almanaque.exe\" %1"},
    };
    EXPECT_EQ(registry.Writes, expected);
    // The check reads the command back through the lower-case "shell\open\command" path.
    EXPECT_EQ(ReadOpenCommand(registry, ".vrel"), expected[2].second);
}

TEST(FileTypeRegistration, AnExistingOpenCommandIsNeverReplaced) {
    FakeRegistry registry;
    EnsureFileTypeRegistered(registry, Program);
    registry.Writes.clear();
    EXPECT_EQ(EnsureFileTypeRegistered(registry, Program), RegisterResult::AlreadyRegistered);
    EXPECT_TRUE(registry.Writes.empty());

    FakeRegistry other;
    other.Values = {{".vrel", "otro.tipo"}, {"otro.tipo\\shell\\open\\command", "otro.exe %1"}};
    EXPECT_EQ(EnsureFileTypeRegistered(other, Program), RegisterResult::AlreadyRegistered);
    EXPECT_TRUE(other.Writes.empty());
}

TEST(FileTypeRegistration, TypeWithoutOpenCommandIsRegisteredAgain) {
    for (const char* command : {"", "   "}) {
        FakeRegistry registry;
        registry.Values = {{".vrel", "otro.tipo"}};
        if (*command) registry.Values["otro.tipo\\shell\\open\\command"] = command;
        EXPECT_EQ(EnsureFileTypeRegistered(registry, Program), RegisterResult::Written);
        EXPECT_EQ(registry.Writes.size(), 3u);
        EXPECT_EQ(*registry.ReadDefaultValue(".vrel"), "vrel-files");
    }
}

TEST(ReadOpenCommand, ExpandsEnvironmentReferencesAndHandlesMissingKeys) {
    FakeRegistry registry;
    EXPECT_EQ(ReadOpenCommand(registry, ".vrel"), "");
    registry.Values = {{".vrel", "vrel-files"},
                       {"vrel-files\\shell\\open\\command", "%SystemRoot%\\notepad.exe %1"}};
    EXPECT_EQ(ReadOpenCommand(registry, ".vrel"), "C:\\windows\\notepad.exe %1");
    registry.Values[".vrel"] = "";
    EXPECT_EQ(ReadOpenCommand(registry, ".vrel"), "");
}

TEST(RegisterFileType, RefusesAnExtensionWithADot) {
    FakeRegistry registry;
    EXPECT_EQ(RegisterFileType(registry, ".vrel", 0, Program), RegisterResult::ExtensionWithDot);
    EXPECT_EQ(RegisterFileType(registry, "vr.el", 0, Program), RegisterResult::ExtensionWithDot);
    EXPECT_TRUE(registry.Writes.empty());
}

TEST(RegistryTexts, BackslashesAreDoubledInPlaceAndStrippedFromKeyPaths) {
    std::string path = "C:\\a\\\\b\\";
    EXPECT_EQ(&DoubleBackslashes(path), &path);
    EXPECT_EQ(path, "C:\\\\a\\\\\\\\b\\\\");
    EXPECT_EQ(StripKeyPathBackslashes("\\\\\\.vrel\\\\"), ".vrel");
    EXPECT_EQ(StripKeyPathBackslashes("vrel-files\\Shell\\Open\\Command"),
              "vrel-files\\Shell\\Open\\Command");
    EXPECT_EQ(StripKeyPathBackslashes("\\\\"), "");
}

}  // namespace
