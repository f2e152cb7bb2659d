// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/results_page.h"

#include <gtest/gtest.h>

#include "shell/error.h"
#include "support/results_site.h"

namespace pentad {
namespace {

TDrawRec stored(int number, const char* date) {
    TDrawRec d;
    d.Number = number;
    d.setDateText(date);
    return d;
}

TEST(ResultsPage, RangeAddress) {
    EXPECT_EQ(resultsRangeAddress("http://127.0.0.1:8080/", 20160801, 20160915),
              "http://127.0.0.1:8080/site/winningNumberSearch?searchTypeIn=range&gameNameIn=PICK5&"
              "singleDateIn=&fromDateIn=08%2F01%2F2016&toDateIn=09%2F15%2F2016&n1In=&n2In=&"
              "n3In=&n4In=&n5In=&submitForm=Submit");
}

TEST(ResultsPage, ReadsRowsInPageOrderMiddayBeforeEvening) {
    const std::string rows = test::resultsRow("03/01/2024", "1-2-3-4-5", "6 - 7 - 8 - 9 - 0") +
                             test::resultsRow("03/02/2024", "0-0-0-0-1", "-") +
                             test::resultsRow("03/03/2024", "1-2-3-4", "1-2-3-4-5-6") +
                             test::resultsRow("03/04/2024", "", "x-1-2-3-4");
    for (bool upper : {false, true}) {
        TDrawsArray archive{stored(7, "02/29/2024 E")};
        TDrawsArray collected;
        EXPECT_EQ(readResultsPage(test::resultsPage(rows, upper), archive, collected), 4);
        ASSERT_EQ(collected.size(), 4u);
        EXPECT_EQ(collected[0].Number, 2);
        EXPECT_EQ(collected[0].dateText(), "03/01/2024 M");
        EXPECT_EQ(collected[0].Digits, (std::array<uint8_t, 5>{1, 2, 3, 4, 5}));
        EXPECT_EQ(collected[1].dateText(), "03/01/2024 E");
        EXPECT_EQ(collected[1].Digits, (std::array<uint8_t, 5>{6, 7, 8, 9, 0}));
        EXPECT_EQ(collected[2].dateText(), "03/02/2024 M");
        // A word that is not a number reads as 0.
        EXPECT_EQ(collected[3].dateText(), "03/04/2024 E");
        EXPECT_EQ(collected[3].Digits, (std::array<uint8_t, 5>{0, 1, 2, 3, 4}));
        EXPECT_EQ(collected[3].Number, 5);
    }
}

TEST(ResultsPage, SkipsDrawsAmongTheFourNewestStoredOnly) {
    TDrawsArray archive{stored(1, "03/01/2024 M"), stored(2, "03/01/2024 E"),
                        stored(3, "03/02/2024 M"), stored(4, "03/02/2024 e"),
                        stored(5, "03/03/2024 M")};
    const std::string rows = test::resultsRow("03/01/2024", "1-1-1-1-1", "2-2-2-2-2") +
                             test::resultsRow("03/03/2024", "3-3-3-3-3", "4-4-4-4-4") +
                             test::resultsRow("03/03/2024", "3-3-3-3-3", "4-4-4-4-4");
    TDrawsArray collected;
    EXPECT_EQ(readResultsPage(test::resultsPage(rows), archive, collected), 3);
    // 03/01 M is not among the four newest; 03/03 E is added for both rows.
    ASSERT_EQ(collected.size(), 3u);
    EXPECT_EQ(collected[0].dateText(), "03/01/2024 M");
    EXPECT_EQ(collected[1].dateText(), "03/03/2024 E");
    EXPECT_EQ(collected[2].dateText(), "03/03/2024 E");
    EXPECT_EQ(collected[2].Number, 8);
}

TEST(ResultsPage, MissingSectionGivesNothingAndABrokenPairFails) {
    TDrawsArray collected;
    EXPECT_EQ(readResultsPage("", {}, collected), 0);
    EXPECT_EQ(
        readResultsPage("<html><tr><td><div>03/01/2024</div></td></tr></html>", {}, collected), 0);
    std::string noBody = test::resultsPage("");
    noBody.replace(noBody.find("</thead><tbody>"), 15, "<tbody>");
    EXPECT_EQ(readResultsPage(noBody, {}, collected), 0);
    std::string open = test::resultsPage(test::resultsRow("03/01/2024", "1-2-3-4-5", "-"));
    open.erase(open.find("<footer"));
    try {
        readResultsPage(open, {}, collected);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Не удалось найти пару идентификаторов "
                                              "\"<section class=\"winningNumbersResults\">\" - "
                                              "\"<footer id=\"footerMain\">\" в тексте",
                                              0),
                  0u);
    }
    EXPECT_TRUE(collected.empty());
}

}  // namespace
}  // namespace pentad
