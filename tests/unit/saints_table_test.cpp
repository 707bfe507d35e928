#include "calendar/saints_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/cp1252.h"

namespace {

TEST(SaintsTable, HoldsTheResearchedListForEveryDate) {
    std::ifstream source(ALMANAQUE_DATA "/santoral.tsv", std::ios::binary);
    ASSERT_TRUE(source) << "santoral.tsv not found";
    std::string line;
    int dates = 0;
    while (std::getline(source, line)) {
        std::istringstream fields(line);
        int month = 0, day = 0;
        std::string text;
        fields >> month >> day;
        fields.ignore(1);
        std::getline(fields, text);
        EXPECT_EQ(SaintOfDay(month, day), Utf8ToCp1252(text)) << month << "/" << day;
        ++dates;
    }
    EXPECT_EQ(dates, 366);
}

TEST(SaintsTable, ImpossibleDatesAndOutOfRangeLookupsAreEmpty) {
    for (auto [month, day] : {std::pair{2, 30}, {2, 31}, {4, 31}, {6, 31}, {9, 31}, {11, 31}})
        EXPECT_EQ(SaintOfDay(month, day), "") << month << "/" << day;
    EXPECT_EQ(SaintOfDay(0, 1), "");
    EXPECT_EQ(SaintOfDay(13, 1), "");
    EXPECT_EQ(SaintOfDay(1, 32), "");
    EXPECT_NE(SaintOfDay(2, 29), "");
}

TEST(SaintsTable, FixedFeastsAreStoredInWindows1252) {
    EXPECT_EQ(SaintOfDay(11, 1), "Todos los Santos");
    EXPECT_EQ(SaintOfDay(12, 25), "Natividad del Se\xF1or");
    EXPECT_EQ(SaintOfDay(1, 6),
              "Epifan\xED"
              "a");
    EXPECT_EQ(SaintOfDay(10, 2), "\xC1ngeles Custodios");
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 31; ++day) EXPECT_LE(SaintOfDay(month, day).size(), 21u);
}

}  // namespace
