#include <gtest/gtest.h>
#include <windows.h>

#include <string_view>

#include "resource.h"

namespace {

// A resource of this test program, which carries the program's own (almanaque.rc).
std::string_view Resource(const wchar_t* id, const wchar_t* type) {
    const HRSRC found = FindResourceW(nullptr, id, type);
    return {static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
            found ? SizeofResource(nullptr, found) : 0};
}

TEST(ProgramResources, TheManifestNamesWindows10LongPathsAndDpiAwarenessAndTheIconHasAPng) {
    const std::string_view manifest = Resource(MAKEINTRESOURCEW(1), RT_MANIFEST);
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), manifest.npos);
    EXPECT_NE(manifest.find(">true</longPathAware>"), manifest.npos);
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), manifest.npos);
    const std::string_view group = Resource(MAKEINTRESOURCEW(PROGRAM_ICON_ID), RT_GROUP_ICON);
    const int id = LookupIconIdFromDirectoryEx(
        reinterpret_cast<BYTE*>(const_cast<char*>(group.data())), TRUE, 256, 256, 0);
    EXPECT_TRUE(Resource(MAKEINTRESOURCEW(id), RT_ICON).starts_with("\x89PNG"));
}

}  // namespace
