// The date and time titles of the taskbar.
#include "clock/title_format.h"
#include "local_time_of.h"

#include <gtest/gtest.h>

namespace velmira {
namespace {

LocalTime At(int month, int day, int hour, int minute) {
    return LocalTimeOf(0, month, day, hour, minute);
}

TEST(TitleFormat, DateHasNoLeadingZeros) {
    EXPECT_EQ(FormatDateTitle(At(12, 7, 0, 0)), L"「12月7日」");
    EXPECT_EQ(FormatDateTitle(At(1, 31, 0, 0)), L"「1月31日」");
}

TEST(TitleFormat, TimeUsesTheTwelveHourClockAfterTheDesignator) {
    const std::wstring am = L"午前", pm = L"午後";
    EXPECT_EQ(FormatTimeTitle(At(1, 1, 0, 5), am, pm), L"「午前12時5分」");
    EXPECT_EQ(FormatTimeTitle(At(1, 1, 12, 5), am, pm), L"「午後12時5分」");
    EXPECT_EQ(FormatTimeTitle(At(1, 1, 15, 5), am, pm), L"「午後3時5分」");
    EXPECT_EQ(FormatTimeTitle(At(1, 1, 9, 0), am, pm), L"「午前9時0分」");
    EXPECT_EQ(FormatTimeTitle(At(1, 1, 11, 59), am, pm), L"「午前11時59分」");
    EXPECT_EQ(FormatTimeTitle(At(1, 1, 23, 59), am, pm), L"「午後11時59分」");
}

TEST(TitleFormat, ToggleChoosesTheTitle) {
    std::wstring title = L"unchanged";
    EXPECT_TRUE(FormatTitle(0, At(12, 7, 15, 5), L"AM", L"PM", title));
    EXPECT_EQ(title, L"「12月7日」");
    EXPECT_TRUE(FormatTitle(1, At(12, 7, 15, 5), L"AM", L"PM", title));
    EXPECT_EQ(title, L"「PM3時5分」");
    title = L"unchanged";
    EXPECT_FALSE(FormatTitle(2, At(12, 7, 15, 5), L"AM", L"PM", title));
    EXPECT_EQ(title, L"unchanged");
}

}  // namespace
}  // namespace velmira
