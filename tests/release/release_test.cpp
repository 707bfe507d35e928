// The release as a Windows user meets it: the installer run silently into a folder with blanks
// and an "ñ", the installed program opened from a work file and used, a second install over the
// first, the uninstaller; and the portable zip, unpacked.

#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cwchar>
#include <utility>

#include "app/window/main_menu.h"
#include "calendar/moon_icons.h"
#include "driver/console_program.h"
#include "driver/file_dialogs.h"
#include "driver/folders.h"
#include "driver/program_driver.h"
#include "driver/sheets.h"
#include "platform/cp1252.h"
#include "platform/win32/handles.h"

namespace e2e {
namespace {

constexpr wchar_t UninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Almanaque";
constexpr wchar_t UserClasses[] = L"Software\\Classes\\";
constexpr wchar_t Uninstaller[] = L"desinstalar.exe";
constexpr wchar_t Version[] = L"" RELEASE_VERSION;

std::vector<std::wstring> Sorted(std::vector<std::wstring> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// What the release ships: the two programs, the sample icons and the moon's beside them, and
// the two texts.
std::vector<std::wstring> ReleaseFiles() {
    std::vector<std::wstring> names = {L"LEEME.txt", L"LICENSE.txt", L"almanaque.exe",
                                       L"almanaque-exportar.exe"};
    for (const std::wstring& name : NamesIn(SampleIconFolder()))
        if (name.ends_with(L".ico")) names.push_back(name);
    for (std::string_view name : MoonIconFiles) names.push_back(Cp1252ToWide(name));
    return Sorted(names);
}

// Runs a command line to its end; its exit code, or nothing when it did not start or end.
std::optional<DWORD> RunToEnd(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return std::nullopt;
    CloseHandle(process.hThread);
    std::optional<DWORD> code;
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0) {
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        code = exitCode;
    }
    CloseHandle(process.hProcess);
    return code;
}

std::optional<std::wstring> Text(HKEY root, const std::wstring& key,
                                 const wchar_t* name = nullptr) {
    wchar_t value[1024] = {};
    DWORD bytes = sizeof value;
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

std::optional<DWORD> Number(HKEY root, const std::wstring& key, const wchar_t* name) {
    DWORD value = 0;
    DWORD bytes = sizeof value;
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

// Every key and default value of a tree, one "path=value" line each, to compare two moments.
void ListTree(HKEY root, const std::wstring& key, std::vector<std::wstring>& lines) {
    if (!KeyExists(root, key)) return;
    lines.push_back(key + L"=" + Text(root, key).value_or(L"(none)"));
    HKEY handle = nullptr;
    RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &handle);
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(handle, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        ListTree(root, key + L"\\" + name, lines);
    }
    RegCloseKey(handle);
}

// The ".vrel" registration as the classes root and the user's own classes hold it.
std::vector<std::wstring> Registration() {
    std::vector<std::wstring> lines;
    for (const wchar_t* key : {L".vrel", L"vrel-files"}) {
        ListTree(HKEY_CLASSES_ROOT, key, lines);
        ListTree(HKEY_CURRENT_USER, UserClasses + std::wstring(key), lines);
    }
    return lines;
}

void ForgetRegistration() {
    for (const wchar_t* key : {L".vrel", L"vrel-files"}) {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
        RegDeleteKeyW(HKEY_CLASSES_ROOT, key);
        RegDeleteTreeW(HKEY_CURRENT_USER, (UserClasses + std::wstring(key)).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, (UserClasses + std::wstring(key)).c_str());
    }
}

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    const HRESULT found = SHGetKnownFolderPath(id, 0, nullptr, &path);
    const UniqueCoTaskMem<wchar_t> owned(path);
    return SUCCEEDED(found) && owned ? std::wstring(owned.Get()) : L"";
}

struct Shortcut {
    std::wstring Target;
    std::wstring WorkingFolder;
};

std::optional<Shortcut> ReadShortcut(const std::wstring& path) {
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return std::nullopt;
    std::optional<Shortcut> shortcut;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t target[MAX_PATH] = {}, folder[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(path.c_str(), STGM_READ)) &&
            SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0)) &&
            SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH)))
            shortcut = Shortcut{target, folder};
        file->Release();
    }
    link->Release();
    return shortcut;
}

// A program's version resource, read as Windows shows it in the file's properties.
void ExpectReleaseVersion(const std::wstring& folder, const std::wstring& fileName,
                          const std::wstring& description) {
    const std::wstring program = folder + L"\\" + fileName;
    DWORD ignored = 0;
    std::vector<BYTE> data(GetFileVersionInfoSizeW(program.c_str(), &ignored));
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(
        GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
    void* found = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &found, &length));
    const auto* translation = static_cast<const WORD*>(found);
    EXPECT_EQ(translation[0], 0x0C0A);  // Spanish
    EXPECT_EQ(translation[1], 1200);    // Unicode
    const auto text = [&](const wchar_t* name) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\0C0A04B0\\") + name;
        return VerQueryValueW(data.data(), path.c_str(), &found, &length)
                   ? std::wstring(static_cast<const wchar_t*>(found))
                   : std::wstring(L"(missing)");
    };
    EXPECT_EQ(text(L"FileVersion"), Version);
    EXPECT_EQ(text(L"ProductVersion"), Version);
    EXPECT_EQ(text(L"ProductName"), L"Almanaque");
    EXPECT_EQ(text(L"FileDescription"), description);
    EXPECT_EQ(text(L"OriginalFilename"), fileName);
    EXPECT_NE(text(L"LegalCopyright").find(L"2026 los autores de Almanaque"), std::wstring::npos);

    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", &found, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(found);
    unsigned major = 0, minor = 0, patch = 0;
    ASSERT_EQ(std::swscanf(Version, L"%u.%u.%u", &major, &minor, &patch), 3);
    EXPECT_EQ(fixed->dwFileVersionMS, major << 16 | minor);
    EXPECT_EQ(fixed->dwFileVersionLS, patch << 16);
}

class Release : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        Forget();
    }
    void TearDown() override {
        Forget();
        CoUninitialize();
    }
    // As on a machine that never saw the program.
    static void Forget() {
        ForgetRegistration();
        RegDeleteTreeW(HKEY_CURRENT_USER, UninstallKey);
        RegDeleteKeyW(HKEY_CURRENT_USER, UninstallKey);
        DeleteFileW((KnownFolder(FOLDERID_Programs) + L"\\Almanaque.lnk").c_str());
    }
};

TEST_F(Release, InstallUseUpgradeAndUninstall) {
    const std::wstring setup = HostPathToWindows(RELEASE_SETUP);
    ScratchFolder scratch(L"instalar");
    const std::wstring folder = scratch / L"Mis programas\\Almanaque Año";
    const std::wstring program = folder + L"\\almanaque.exe";
    const std::wstring startMenuShortcut = KnownFolder(FOLDERID_Programs) + L"\\Almanaque.lnk";
    // /D= comes last and unquoted, blanks and all.
    ASSERT_EQ(RunToEnd(L"\"" + setup + L"\" /S /D=" + folder), std::optional<DWORD>(0));

    std::vector<std::wstring> installed = ReleaseFiles();
    installed.push_back(Uninstaller);
    EXPECT_EQ(NamesIn(folder), Sorted(installed));
    EXPECT_EQ(ReadWholeFile(program),
              ReadWholeFile(HostPathToWindows(RELEASE_UNZIPPED) + L"\\almanaque.exe"));
    // For the signature check that follows this test.
    EXPECT_TRUE(CopyFileW((folder + L"\\" + Uninstaller).c_str(),
                          HostPathToWindows(RELEASE_UNINSTALLER_COPY).c_str(), FALSE));
    ExpectReleaseVersion(folder, L"almanaque.exe", L"Almanaque: hojas de calendario mensuales");
    ExpectReleaseVersion(folder, L"almanaque-exportar.exe",
                         L"Almanaque: hojas de calendario listas para imprimir");
    const auto shortcut = ReadShortcut(startMenuShortcut);
    ASSERT_TRUE(shortcut);
    EXPECT_EQ(shortcut->Target, program);
    EXPECT_EQ(shortcut->WorkingFolder, folder) << "where the program finds apple.ico by name";
    EXPECT_FALSE(FileExists(KnownFolder(FOLDERID_Desktop) + L"\\Almanaque.lnk"))
        << "the desktop shortcut is not ticked by default";

    const std::wstring classes = UserClasses;
    const std::wstring openCommand = L"\"" + program + L"\" \"%1\"";
    EXPECT_EQ(Text(HKEY_CURRENT_USER, classes + L".vrel"), L"vrel-files");
    EXPECT_EQ(Text(HKEY_CURRENT_USER, classes + L".vrel\\OpenWithProgids", L"vrel-files"), L"");
    EXPECT_EQ(Text(HKEY_CURRENT_USER, classes + L"vrel-files"), L"Hoja de Almanaque");
    EXPECT_EQ(Text(HKEY_CURRENT_USER, classes + L"vrel-files\\DefaultIcon"),
              L"\"" + program + L"\",0");
    EXPECT_EQ(Text(HKEY_CURRENT_USER, classes + L"vrel-files\\shell\\open\\command"), openCommand);

    const std::wstring uninstaller = L"\"" + folder + L"\\" + Uninstaller + L"\"";
    const std::pair<const wchar_t*, std::wstring> entry[] = {
        {L"DisplayName", L"Almanaque"},
        {L"DisplayVersion", Version},
        {L"Publisher", L"Los autores de Almanaque"},
        {L"DisplayIcon", program + L",0"},
        {L"InstallLocation", folder},
        {L"UninstallString", uninstaller},
        {L"QuietUninstallString", uninstaller + L" /S"},
    };
    for (const auto& [name, value] : entry)
        EXPECT_EQ(Text(HKEY_CURRENT_USER, UninstallKey, name), value) << name;
    const auto quietUninstall = Text(HKEY_CURRENT_USER, UninstallKey, L"QuietUninstallString");
    ASSERT_TRUE(quietUninstall);
    EXPECT_GE(Number(HKEY_CURRENT_USER, UninstallKey, L"EstimatedSize"), 1000u);  // KB
    EXPECT_EQ(Number(HKEY_CURRENT_USER, UninstallKey, L"NoModify"), 1u);
    EXPECT_EQ(Number(HKEY_CURRENT_USER, UninstallKey, L"NoRepair"), 1u);

    // A work file opened from the desktop: the registered command with the file's path.
    const std::vector<std::wstring> registered = Registration();
    ScratchFolder data(L"datos");
    const std::wstring sheets = data / L"hojas de trabajo";
    ASSERT_TRUE(CreateDirectoryW(sheets.c_str(), nullptr));
    const std::wstring opened = sheets + L"\\agosto 2029.vrel";
    ASSERT_TRUE(WriteDressedWorkFile(opened, 2029, 8));
    std::wstring commandLine = openCommand;
    commandLine.replace(commandLine.find(L"%1"), 2, opened);
    const std::wstring workFile = folder + L"\\mi hoja.vrel";
    const std::wstring image = folder + L"\\" + ExportName(2029, 8);
    {
        HandoverRecorder handover;
        ProgramOptions options;
        options.Executable = program;
        options.FullCommandLine = commandLine;
        Program almanaque(options);
        ASSERT_NE(almanaque.MainWindow(), nullptr);
        EXPECT_EQ(almanaque.Caption(), L"Agosto 2029");

        // The user's own files, made in the install folder.
        almanaque.Command(MenuCommand::Save);
        const HWND dialog = WaitForFileDialog(almanaque);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(ChooseInFileDialog(dialog, workFile));
        ASSERT_TRUE(WaitUntil([&] { return FileExists(workFile); }));
        almanaque.Command(MenuCommand::ExportImage);
        const HWND box = almanaque.WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), L"Mes fotocopiado a bitmap ...");
        Press(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !handover.Handed().empty(); }));
        almanaque.Command(MenuCommand::Exit);
        ASSERT_EQ(almanaque.WaitForExit(), std::optional<DWORD>(0));
    }
    EXPECT_EQ(Registration(), registered) << "the program found the registration and wrote nothing";
    const auto savedWork = ReadWholeFile(workFile);
    const auto savedImage = ReadWholeFile(image);
    ASSERT_TRUE(savedWork && savedImage);

    // A second install, over the first: it finds the first one's folder by itself, replaces
    // what it installed and keeps what the user made.
    ASSERT_TRUE(DeleteFileW((folder + L"\\sun.ico").c_str()));
    // The system may hold the program's file for a moment after it has ended.
    ASSERT_TRUE(WaitUntil([&] { return DeleteFileW(program.c_str()) != 0; }, 5s));
    ASSERT_EQ(RunToEnd(L"\"" + setup + L"\" /S"), std::optional<DWORD>(0));
    installed.insert(installed.end(), {L"mi hoja.vrel", ExportName(2029, 8)});
    EXPECT_EQ(NamesIn(folder), Sorted(installed));
    EXPECT_EQ(ReadWholeFile(workFile), savedWork);

    // The uninstaller runs from a copy of itself and is done when its entry is gone.
    ASSERT_EQ(RunToEnd(*quietUninstall), std::optional<DWORD>(0));
    ASSERT_TRUE(WaitUntil([] { return !KeyExists(HKEY_CURRENT_USER, UninstallKey); }, 60s));
    ASSERT_TRUE(WaitUntil([&] { return NamesIn(folder).size() == 2; }, 10s))
        << testing::PrintToString(NamesIn(folder));
    EXPECT_EQ(ReadWholeFile(workFile), savedWork);
    EXPECT_EQ(ReadWholeFile(image), savedImage);
    EXPECT_FALSE(FileExists(startMenuShortcut));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, classes + L".vrel"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, classes + L"vrel-files"));

    // Once ".vrel" opens another program, uninstalling leaves it alone.
    ASSERT_EQ(RunToEnd(L"\"" + setup + L"\" /S /D=" + folder), std::optional<DWORD>(0));
    const HKEY user = HKEY_CURRENT_USER;
    const std::wstring other = L"\"C:\\otro\\otro.exe\" \"%1\"";
    ASSERT_EQ(RegSetKeyValueW(user, (classes + L"vrel-files\\shell\\open\\command").c_str(),
                              nullptr, REG_SZ, other.c_str(),
                              static_cast<DWORD>((other.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    ASSERT_EQ(RunToEnd(*quietUninstall), std::optional<DWORD>(0));
    ASSERT_TRUE(WaitUntil([] { return !KeyExists(HKEY_CURRENT_USER, UninstallKey); }, 60s));
    EXPECT_EQ(Text(user, classes + L".vrel"), L"vrel-files");
    EXPECT_EQ(Text(user, classes + L"vrel-files\\shell\\open\\command"), other);
}

TEST_F(Release, ThePortableZipUnpacksToTheReleaseFilesAndItsProgramStarts) {
    const std::wstring folder = HostPathToWindows(RELEASE_UNZIPPED);
    EXPECT_EQ(NamesIn(folder), Sorted(ReleaseFiles()));
    const auto readMe = ReadWholeFile(folder + L"\\LEEME.txt");
    ASSERT_TRUE(readMe && !readMe->empty());
    std::size_t bareLineEnds = 0;
    for (std::size_t at = 0; at < readMe->size(); ++at)
        bareLineEnds += (*readMe)[at] == '\n' && (at == 0 || (*readMe)[at - 1] != '\r');
    EXPECT_EQ(bareLineEnds, 0u) << "LEEME.txt keeps Windows line ends";

    ProgramOptions options;
    options.Executable = folder + L"\\almanaque.exe";
    options.CurrentDirectory = folder;
    Program almanaque(options);
    ASSERT_NE(almanaque.MainWindow(), nullptr);
    const YearMonth today = ThisMonth();
    EXPECT_EQ(almanaque.Caption(), MonthTitle(today.Year, today.Month));
    almanaque.Command(MenuCommand::Exit);
    EXPECT_EQ(almanaque.WaitForExit(), std::optional<DWORD>(0));

    // The exporter runs from the unpacked folder too.
    ScratchFolder pages(L"zip-pages");
    const ConsoleRun exported = RunConsoleProgram(folder + L"\\almanaque-exportar.exe",
                                                  {L"--carpeta", pages.Path(), L"2027-05"}, folder);
    EXPECT_EQ(exported.ExitCode, std::optional<DWORD>(0)) << exported.Errors;
    EXPECT_TRUE(FileExists(pages / L"2027 5.png"));
}

}  // namespace
}  // namespace e2e
