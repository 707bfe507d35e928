#include <gtest/gtest.h>
#include <windows.h>

#include "shell/file_type_registry_win32.h"

namespace {

std::wstring ReadUserValue(const wchar_t* key) {
    wchar_t value[256] = {};
    DWORD bytes = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, key, nullptr, RRF_RT_REG_SZ, nullptr, value, &bytes) !=
        ERROR_SUCCESS)
        return L"<missing>";
    return value;
}

TEST(WriteRegistryText, WritesTheDefaultValueAsGivenUnderTheKeyWithoutEdgeBackslashes) {
    const wchar_t* key = L"Software\\AlmanaqueTest\\Tipo";
    EXPECT_TRUE(WriteRegistryText(HKEY_CURRENT_USER, L"\\\\Software\\AlmanaqueTest\\Tipo\\", L"",
                                  L"C:\\\\\u0141\u00f3d\u017a %1"));
    EXPECT_EQ(ReadUserValue(key), L"C:\\\\\u0141\u00f3d\u017a %1");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\AlmanaqueTest");
}

TEST(UserClassesRegistry, ReadsWhatWasWrittenAndExpandsReferences) {
    UserClassesRegistry registry;
    ASSERT_TRUE(registry.WriteValue(L"\\almanaque-test-type\\Shell\\Open\\Command", L"", L"a %1"));
    EXPECT_EQ(
        registry.ReadDefaultValue(ClassesView::User, L"almanaque-test-type\\shell\\open\\command"),
        L"a %1");
    EXPECT_EQ(registry.ReadDefaultValue(ClassesView::Merged, L"almanaque-test-missing"),
              std::nullopt);
    SetEnvironmentVariableW(L"ALMANAQUE_TEST_DIR", L"C:\\datos");
    EXPECT_EQ(registry.ExpandEnvironmentReferences(L"%ALMANAQUE_TEST_DIR%\\a.exe"),
              L"C:\\datos\\a.exe");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Classes\\almanaque-test-type");
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Classes\\almanaque-test-type");
}

}  // namespace
