#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <iconv.h>
#endif

#include "platform/busy_retry.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/path_text.h"
#include "render/icon_places.h"

namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf16) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::wstring wide = Cp1252ToWide(one);
        ASSERT_EQ(wide.size(), 1u);
        EXPECT_EQ(WideToCp1252(wide), one) << byte;
        EXPECT_EQ(Utf8ToCp1252(WideToUtf8(wide)), one) << byte;
    }
}

TEST(Cp1252, UsesTheFixedTableNotTheSystemCodePage) {
    EXPECT_EQ(Cp1252ToWide("\x80\x9F\xF1\xC1"), std::wstring(L"\u20AC\u0178\u00F1\u00C1"));
    EXPECT_EQ(Cp1252ToWide("\x81\x8D\x8F\x90\x9D"),
              std::wstring(L"\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(WideToCp1252(L"Se\u00F1or \u20AC"), "Se\xF1or \x80");
}

#ifndef _WIN32
// glibc's own converter agrees on each byte it defines; the five it leaves out are the table's.
TEST(Cp1252, AgreesWithTheSystemsConverter) {
    const iconv_t converter = iconv_open("WCHAR_T", "CP1252");
    std::string undefined;
    for (int value = 0; value < 256; ++value) {
        char byte = static_cast<char>(value);
        wchar_t unit = 0;
        char* in = &byte;
        char* out = reinterpret_cast<char*>(&unit);
        std::size_t inLeft = 1, outLeft = sizeof unit;
        if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1))
            undefined += byte;
        else
            EXPECT_EQ(Cp1252ToWide(std::string(1, byte)), std::wstring(1, unit)) << value;
    }
    iconv_close(converter);
    EXPECT_EQ(undefined, "\x81\x8D\x8F\x90\x9D");
}
#endif

TEST(Cp1252, UnrepresentableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(WideToCp1252(L"a\u0100b\u4E2Dc"), "a?b?c");
    // A character outside the basic plane (a surrogate pair on Windows) is one "?".
    std::wstring emoji = L"x";
    if constexpr (sizeof(wchar_t) == 2) {
        emoji += static_cast<wchar_t>(0xD83D);
        emoji += static_cast<wchar_t>(0xDE00);
    } else {
        emoji += static_cast<wchar_t>(0x1F600);
    }
    emoji += L"y";
    EXPECT_EQ(WideToCp1252(emoji), "x?y");
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD\xF0\x9F\x98\x80\xFF"), "???");
}

TEST(FolderOf, EndsAtTheLastBackslashSlashOrColon) {
    EXPECT_EQ(FolderOf(L"C:\\Datos\\enero.vrel"), L"C:\\Datos\\");
    EXPECT_EQ(FolderOf(L"C:\\Datos/2024\\sub/enero.vrel"), L"C:\\Datos/2024\\sub/");
    EXPECT_EQ(FolderOf(L"C:enero.vrel"), L"C:");
    EXPECT_EQ(FolderOf(L"enero.vrel"), L"");
    EXPECT_EQ(FolderOf(L""), L"");
}

TEST(ExtendedLengthPath, PrefixesDrivePathsAndShares) {
    EXPECT_EQ(ExtendedLengthPath(L"C:\\Datos\\a.vrel"), L"\\\\?\\C:\\Datos\\a.vrel");
    EXPECT_EQ(ExtendedLengthPath(L"\\\\nube\\hojas\\a.vrel"), L"\\\\?\\UNC\\nube\\hojas\\a.vrel");
    EXPECT_EQ(ExtendedLengthPath(L"\\\\?\\C:\\a.vrel"), L"\\\\?\\C:\\a.vrel");
}

TEST(RetryWhileBusy, TriesAgainEveryTenthOfASecondForTwoSecondsWhileBusyOnly) {
    int waited = 0;
    const auto pause = [&](int milliseconds) { waited += milliseconds; };
    int tries = 0;
    EXPECT_TRUE(
        RetryWhileBusy([&] { return ++tries < 4 ? FileAttempt::Busy : FileAttempt::Done; }, pause));
    EXPECT_EQ(waited, 300);
    EXPECT_FALSE(RetryWhileBusy([] { return FileAttempt::Busy; }, pause));
    EXPECT_EQ(waited, 300 + 2000);
    EXPECT_FALSE(RetryWhileBusy([] { return FileAttempt::Failed; }, pause));
    EXPECT_EQ(waited, 2300);
}

TEST(FileExists, TrimsBlanksAcceptsFoldersAndKeepsTheErrorState) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "almanaque_file_exists";
    fs::create_directories(folder);
    const fs::path file = folder / "dato.vrel";
    std::ofstream(file) << "x";
    const std::wstring fileText = file.wstring();
    const std::wstring folderText = folder.wstring();

    EXPECT_TRUE(FileExists(fileText));
    EXPECT_TRUE(FileExists(L"   " + fileText + L"   "));
    EXPECT_TRUE(FileExists(folderText));
    EXPECT_FALSE(FileExists(L""));
    EXPECT_FALSE(FileExists(L"     "));
    errno = 1234;
    EXPECT_FALSE(FileExists(fileText + L".missing"));
    EXPECT_EQ(errno, 1234);
    fs::remove_all(folder);
}

TEST(IconFilePlaces, OnlyABareNameIsAlsoLookedForBesideTheProgram) {
    using Places = std::vector<std::wstring>;
    const std::wstring program = L"C:\\Mis programas\\almanaque.exe";
    EXPECT_EQ(IconFilePlaces(L"apple.ico", program),
              (Places{L"apple.ico", L"C:\\Mis programas\\apple.ico"}));
    for (const wchar_t* path : {L"iconos\\sol.ico", L"iconos/sol.ico", L"C:sol.ico", L""})
        EXPECT_EQ(IconFilePlaces(path, program), Places{path}) << path;
    EXPECT_EQ(IconFilePlaces(L"apple.ico", L""), Places{L"apple.ico"});
}

}  // namespace
