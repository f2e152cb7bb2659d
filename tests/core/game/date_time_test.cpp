// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/date_time.h"

#include <gtest/gtest.h>

#include "shell/error.h"

namespace pentad {
namespace {

DateTime at(int y, int m, int d, int hour, int minute) {
    return *encodeDate(y, m, d) + encodeTime(hour, minute);
}

TEST(DrawDate, ReadsMiddayAndEveningTimes) {
    EXPECT_DOUBLE_EQ(DrawTextToDate("01/31/2024 M"), at(2024, 1, 31, 13, 0));
    EXPECT_DOUBLE_EQ(DrawTextToDate("01/31/2024 E"), at(2024, 1, 31, 19, 57));
    EXPECT_DOUBLE_EQ(DrawTextToDate("01/31/2024 e"), at(2024, 1, 31, 19, 57));
    EXPECT_DOUBLE_EQ(DrawTextToDate("01/31/2024 X"), *encodeDate(2024, 1, 31));
}

TEST(DrawDate, OutOfRangeFieldsGiveDateZero) {
    EXPECT_DOUBLE_EQ(DrawTextToDate("13/01/2024 E"), kEveningTime);
    EXPECT_DOUBLE_EQ(DrawTextToDate("01/01/1900 M"), kMiddayTime);
    EXPECT_DOUBLE_EQ(DrawTextToDate(""), 0.0);
}

TEST(DrawDate, ImpossibleDayIsAnError) {
    EXPECT_THROW(DrawTextToDate("02/30/2024 M"), Error);
    EXPECT_NO_THROW(DrawTextToDate("02/29/2024 M"));
    EXPECT_THROW(DrawTextToDate("02/29/2023 M"), Error);
}

TEST(DrawDate, WritesMiddayOrEveningByHour) {
    EXPECT_EQ(DrawDateText(at(2024, 1, 31, 0, 30)), "01/31/2024 E");
    EXPECT_EQ(DrawDateText(at(2024, 1, 31, 13, 59)), "01/31/2024 M");
    EXPECT_EQ(DrawDateText(at(2024, 1, 31, 14, 0)), "01/31/2024 E");
    EXPECT_EQ(DrawDateText(at(2024, 1, 31, 1, 0)), "01/31/2024 M");
    EXPECT_EQ(DrawDateText(0), "");
    EXPECT_EQ(DrawDateText(-3), "");
}

TEST(DrawDate, RoundTripsThroughText) {
    for (const char* text : {"08/01/2016 M", "12/31/2099 E", "02/29/2000 M"}) {
        EXPECT_EQ(DrawDateText(DrawTextToDate(text)), text);
    }
}

TEST(Ymd, ConvertsAndMovesDates) {
    EXPECT_DOUBLE_EQ(YMDToDate(18991230), 0.0);
    EXPECT_EQ(DateToYMD(0), 18991230);
    EXPECT_EQ(DateToYMD(DrawTextToDate("03/02/2024 E")), 20240302);
    EXPECT_EQ(IncYMD(20240228, 1), 20240229);
    EXPECT_EQ(IncYMD(20241231, 1), 20250101);
    EXPECT_EQ(IncYMD(20160801, 99), 20161108);
    EXPECT_EQ(IncYMD(20240302, 0), 20240302);
    EXPECT_EQ(IncYMD(20240301, -1), 20240229);
}

}  // namespace
}  // namespace pentad
