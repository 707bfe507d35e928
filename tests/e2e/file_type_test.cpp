// The ".vrel" file type on the desktop: what a start writes under the user's classes (nothing under
// the machine's, HKEY_CLASSES_ROOT under Wine), when it writes nothing, and a work file opened with
// the registered command.

#include <gtest/gtest.h>

#include <optional>

#include "driver/program_driver.h"
#include "driver/sheets.h"

namespace e2e {
namespace {

const std::wstring Classes = L"Software\\Classes\\";

std::optional<std::wstring> DefaultValue(const std::wstring& key, HKEY root = HKEY_CURRENT_USER,
                                         const wchar_t* name = nullptr) {
    wchar_t value[1024] = {};
    DWORD bytes = sizeof value;
    if (RegGetValueW(root, (Classes + key).c_str(), name, RRF_RT_REG_SZ, nullptr, value, &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

void SetDefaultValue(const std::wstring& key, const std::wstring& value,
                     HKEY root = HKEY_CURRENT_USER) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, (Classes + key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &handle, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

// Subkeys and values under a key, counted over the whole tree.
int EntriesBelow(const std::wstring& key, HKEY root = HKEY_CURRENT_USER) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(root, (Classes + key).c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return 0;
    DWORD subkeys = 0, values = 0;
    RegQueryInfoKeyW(handle, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                     nullptr, nullptr, nullptr, nullptr);
    int count = static_cast<int>(values);
    for (DWORD i = 0; i < subkeys; ++i) {
        wchar_t name[256];
        DWORD length = 256;
        RegEnumKeyExW(handle, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        count += 1 + EntriesBelow(key + L"\\" + name, root);
    }
    RegCloseKey(handle);
    return count;
}

std::wstring Doubled(std::wstring path) {
    for (std::size_t at = path.find(L'\\'); at != std::wstring::npos; at = path.find(L'\\', at + 2))
        path.insert(at, 1, L'\\');
    return path;
}

// Each test starts as on a system that never saw the program.
class FileType : public ::testing::Test {
  protected:
    void SetUp() override { Forget(); }
    void TearDown() override { Forget(); }
    static void Forget() {
        for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
            for (const wchar_t* key : {L".vrel", L"vrel-files", L"otro-tipo", L"sin-orden"})
                RegDeleteTreeW(root, (Classes + key).c_str()),
                    RegDeleteKeyW(root, (Classes + key).c_str());
    }
    // Starts the program and waits until its start-up is over.
    static void StartAndLeave(ProgramOptions options = {}) {
        Program program(std::move(options));
        ASSERT_NE(program.MainWindow(), nullptr);
        program.Command(1012);
        ASSERT_EQ(program.WaitForExit(), 0u);
    }
};

// The folder's name has blanks and a letter that Windows-1252 cannot spell ("Łódź").
TEST_F(FileType, TheFirstStartWritesExactlyTheFourEntriesUnderTheUserClasses) {
    ScratchFolder folder(L"con blancos \u0141\u00f3d\u017a");
    StartAndLeave(ProgramOptions::InFolder(folder.Path()));
    const std::wstring program = Doubled(folder / L"almanaque.exe");
    EXPECT_EQ(DefaultValue(L".vrel"), L"vrel-files");
    EXPECT_EQ(DefaultValue(L"vrel-files\\DefaultIcon"), program + L",0");
    EXPECT_EQ(DefaultValue(L"vrel-files\\Shell\\Open\\Command"), L"\"" + program + L"\" %1");
    EXPECT_EQ(DefaultValue(L".vrel\\OpenWithProgids", HKEY_CURRENT_USER, L"vrel-files"), L"");
    EXPECT_EQ(EntriesBelow(L".vrel"), 3);  // its default value, OpenWithProgids and its value
    // DefaultIcon, Shell, Open, Command, and the two values.
    EXPECT_EQ(EntriesBelow(L"vrel-files"), 6);
    EXPECT_EQ(EntriesBelow(L".vrel", HKEY_LOCAL_MACHINE) +
                  EntriesBelow(L"vrel-files", HKEY_LOCAL_MACHINE),
              0);
}

TEST_F(FileType, ALaterStartWritesNothing) {
    StartAndLeave();
    SetDefaultValue(L"vrel-files\\DefaultIcon", L"marca");
    StartAndLeave();
    EXPECT_EQ(DefaultValue(L"vrel-files\\DefaultIcon"), L"marca");
}

TEST_F(FileType, AnOpenCommandOfAnotherProgramIsLeftAlone) {
    SetDefaultValue(L".vrel", L"otro-tipo", HKEY_LOCAL_MACHINE);
    SetDefaultValue(L"otro-tipo\\shell\\open\\command", L"otro.exe %1", HKEY_LOCAL_MACHINE);
    StartAndLeave();
    EXPECT_EQ(DefaultValue(L".vrel"), std::nullopt);
    EXPECT_EQ(DefaultValue(L"vrel-files\\Shell\\Open\\Command"), std::nullopt);
}

TEST_F(FileType, ATypeWithoutOpenCommandIsRegisteredAgain) {
    SetDefaultValue(L".vrel", L"sin-orden");
    StartAndLeave();
    EXPECT_EQ(DefaultValue(L".vrel"), L"vrel-files");
    ASSERT_TRUE(DefaultValue(L"vrel-files\\Shell\\Open\\Command"));
}

TEST_F(FileType, AWorkFileOpensWithTheRegisteredCommandAsFromTheDesktop) {
    ScratchFolder home(L"programa");
    StartAndLeave(ProgramOptions::InFolder(home.Path()));
    const auto command = DefaultValue(L"vrel-files\\Shell\\Open\\Command");
    ASSERT_TRUE(command);

    ScratchFolder data(L"datos");
    const std::wstring folder = data / L"hojas de trabajo";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring file = folder + L"\\agosto 2029.vrel";
    ASSERT_TRUE(WriteDressedWorkFile(file, 2029, 8));
    // The desktop puts the file's path, quoted, where the command says %1.
    std::wstring commandLine = *command;
    commandLine.replace(commandLine.find(L"%1"), 2, L"\"" + file + L"\"");

    ProgramOptions options = ProgramOptions::InFolder(home.Path());
    options.FullCommandLine = commandLine;
    Program program(options);
    ASSERT_TRUE(program.Started()) << testing::PrintToString(commandLine);
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_EQ(program.Caption(), L"Agosto 2029");
}

}  // namespace
}  // namespace e2e
