// The rules behind the days chosen with the keyboard, the recent files and dropped files.

#include <gtest/gtest.h>

#include <tuple>

#include "app/window/day_keys.h"
#include "app/window/recent_files.h"
#include "persistence/work_file_name.h"

namespace {

using namespace std::string_literals;

TEST(DayKeys, MoveAlongTheRowsStopAtTheMonthsEdgesAndStartOnTodayInItsMonth) {
    using enum DayKey;
    const DayMark may = MarkForMonth({}, {2027, 5, 19}, 2027, 5);  // May 2027 starts on Saturday
    EXPECT_EQ(may.Day, 19);
    const auto after = [](DayMark mark, DayKey key, int day) {
        mark.Day = day;
        return MarkAfterKey(mark, key).Day;
    };
    // From a day, by a key, to a day; the 2nd is a Sunday, at a row's end.
    const std::tuple<int, DayKey, int> moves[] = {
        {2, DayAfter, 3},    {3, DayBefore, 2},  {10, WeekAfter, 17},
        {10, WeekBefore, 3}, {12, FirstDay, 1},  {12, LastDay, 31},
        {1, DayBefore, 1},   {7, WeekBefore, 7}, {25, WeekAfter, 25}};
    for (const auto& [from, key, to] : moves)
        EXPECT_EQ(after(may, key, from), to) << from << " " << static_cast<int>(key);
    EXPECT_EQ(MarkForMonth(may, {2027, 5, 20}, 2027, 5).Day, 19);
    EXPECT_EQ(MarkForMonth(may, {2027, 5, 19}, 2027, 6).Day, 1);
    EXPECT_EQ(PlaceOfMark(may)->Column * 10 + PlaceOfMark(may)->Row, 2 * 10 + 4);  // Wednesday
    EXPECT_EQ(MarkOnPlace(may, {5, 1}).Day, 1);
    EXPECT_EQ(MarkOnPlace(may, {0, 1}).Day, 19);  // no day there
}

TEST(RecentFiles, NewestFirstOnceEachWhateverTheCaseEightAtMostAndLabelled) {
    RecentFiles list;
    for (int k = 1; k <= 9; ++k) list = WithRecentFile(list, L"C:\\h\\" + std::to_wstring(k));
    EXPECT_EQ(list, (RecentFiles{L"C:\\h\\9", L"C:\\h\\8", L"C:\\h\\7", L"C:\\h\\6", L"C:\\h\\5",
                                 L"C:\\h\\4", L"C:\\h\\3", L"C:\\h\\2"}));
    list = WithRecentFile(list, L"c:\\H\\5");
    EXPECT_EQ(list.size(), 8u);
    EXPECT_EQ(list[0] + list[1], L"c:\\H\\5C:\\h\\9");
    EXPECT_EQ(WithRecentFile({L"D:\\A\u00d1O.VREL"}, L"d:\\a\u00f1o.vrel").size(), 1u);
    EXPECT_EQ(WithoutRecentFile(list, L"C:\\H\\9").size(), 7u);
    EXPECT_EQ(RecentFileLabel(0, L"C:\\Mis hojas\\mayo.vrel"), L"&1 mayo.vrel");
    EXPECT_EQ(RecentFileLabel(7, L"D:\\a/Pan & vino.vrel"), L"&8 Pan && vino.vrel");
}

TEST(RecentFiles, RegistryTextRoundTripsAndAnEditedValueObeysTheRules) {
    const RecentFiles list = {L"C:\\Mis hojas\\mayo.vrel", L"\u0141\u00f3d\u017a.vrel"};
    EXPECT_EQ(RecentFilesValue(list), L"C:\\Mis hojas\\mayo.vrel\0\u0141\u00f3d\u017a.vrel\0\0"s);
    EXPECT_EQ(RecentFilesFromValue(RecentFilesValue(list)), list);
    EXPECT_EQ(RecentFilesFromValue(L"a\0A\0b\0\0c\0"s), (RecentFiles{L"a", L"b"}));
    EXPECT_EQ(RecentFilesFromValue(L"1\0002\0003\0004\0005\0006\0007\0008\0009\0"s).back(), L"8");
}

TEST(DroppedFiles, OnlyANameWithTheWorkFileExtensionIsRead) {
    EXPECT_TRUE(HasWorkFileExtension(L"C:\\hojas\\MAYO.VReL"));
    for (const wchar_t* name : {L"C:\\mayo.bmp", L"C:\\mayo.vrel.txt", L"C:\\mayovrel", L"vrel"})
        EXPECT_FALSE(HasWorkFileExtension(name)) << testing::PrintToString(name);
}

}  // namespace
