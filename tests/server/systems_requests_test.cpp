// SPDX-License-Identifier: GPL-3.0-or-later
// The system requests, handled without sockets.
#include <gtest/gtest.h>

#include "catalogue_fixture.h"
#include "online/catalogue_codecs.h"
#include "server/server_texts.h"
#include "server/systems_controller.h"

namespace pentad::server::test {
namespace {

namespace element = catalogue::element;

class SystemRequests : public CatalogueFixture {
protected:
    static catalogue::SystemPublication sevenNumbers() {
        catalogue::SystemPublication s;
        s.nums = 7;
        s.olap = 2;
        s.title = "Система на 7 чисел «А»";
        s.descr = "Покрывает\r\nвсе пары";
        s.csize = 3;
        s.clist = "01 02 03 04 05\r\n03 04 05 06 07\r\n01 02 05 06 07\r\n";
        s.url = "http://example.org/системы?n=7&x=<b>";
        return s;
    }

    long long put(const catalogue::SystemPublication& s, const Identity& who, bool remove = false) {
        return answer(catalogue::kSystemPutPath,
                      catalogue::systemPutForm(s, who, remove), element::kSystemNumber);
    }

    std::vector<ReplyRow> systems(const Identity& who = bob()) {
        return post(catalogue::kSystemListPath, catalogue::systemListForm(who));
    }
};

TEST_F(SystemRequests, PublishListDownloadChangeAndDelete) {
    catalogue::SystemPublication s = sevenNumbers();
    long long id = put(s, alice());
    EXPECT_EQ(id, 1);

    auto rows = systems();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].intField(element::kId), 1);
    EXPECT_EQ(rows[0].intField(element::kNums), 7);
    EXPECT_EQ(rows[0].intField(element::kOlap), 2);
    EXPECT_EQ(rows[0].intField(element::kCSize), 3);
    EXPECT_EQ(rows[0].base64Field(element::kTitle), s.title);
    EXPECT_EQ(rows[0].base64Field(element::kDescr), s.descr);
    EXPECT_EQ(rows[0].field(element::kAuthor), "Алиса");
    EXPECT_EQ(rows[0].field(element::kOwnerMail), "alice@example.org");
    EXPECT_EQ(rows[0].field(element::kUrl), "http://example.org/системы?n=7&x=\u2039b\u203A");
    EXPECT_EQ(rows[0].field(element::kCreated), "2023-11-14 22:13:20");
    EXPECT_EQ(rows[0].field(element::kDownloads), "0");
    EXPECT_EQ(rows[0].field(element::kLastDownload), "");

    now += 5;
    auto data = post(catalogue::kSystemDataPath, catalogue::systemDataForm(1));
    ASSERT_EQ(data.size(), 1u);
    EXPECT_EQ(data[0].base64Field(element::kCList),
              "01 02 03 04 05\r\n03 04 05 06 07\r\n01 02 05 06 07");
    EXPECT_EQ(systems()[0].field(element::kDownloads), "1");
    EXPECT_EQ(systems()[0].field(element::kLastDownload), "2023-11-14 22:13:25");

    // changing: only the publisher, and the new time tells installations to
    // fetch the list again
    now += 100;
    s.id = 1;
    s.csize = 1;
    s.clist = "1,2,3,4,5";
    EXPECT_EQ(refusal(catalogue::kSystemPutPath, catalogue::systemPutForm(s, bob(), false)),
              texts::kSystemNotOwner);
    EXPECT_EQ(refusal(catalogue::kSystemPutPath,
                      catalogue::systemPutForm(s, aliceElsewhere(), false)),
              texts::kSystemNotOwner);
    EXPECT_EQ(put(s, alice()), 1);
    rows = systems();
    EXPECT_EQ(rows[0].field(element::kCreated), "2023-11-14 22:15:05");
    EXPECT_EQ(rows[0].intField(element::kCSize), 1);
    EXPECT_EQ(rows[0].field(element::kDownloads), "1");

    EXPECT_EQ(refusal(catalogue::kSystemPutPath, catalogue::systemPutForm(s, bob(), true)),
              texts::kSystemNotOwner);
    EXPECT_EQ(put(s, alice(), true), 0);
    EXPECT_TRUE(systems().empty());
    EXPECT_EQ(refusal(catalogue::kSystemDataPath, catalogue::systemDataForm(1)),
              "Система #1 не найдена в каталоге.");
}

TEST_F(SystemRequests, ListHoldsTheGamesSystemsByNumbers) {
    catalogue::SystemPublication ten = sevenNumbers();
    ten.nums = 10;
    ten.title = "Десять";
    put(ten, alice());
    put(sevenNumbers(), bob());
    catalogue::SystemPublication six = sevenNumbers();
    six.clen = 6;
    six.nums = 12;
    six.olap = 0;
    six.csize = 1;
    six.clist = "1 2 3 4 5 12";
    EXPECT_EQ(put(six, bob()), 3);   // another game's system

    auto rows = systems();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].field(element::kId), "2");
    EXPECT_EQ(rows[1].field(element::kId), "1");
}

TEST_F(SystemRequests, InconsistentCombinationListsAreRefused) {
    struct Case {
        int csize;
        std::string clist;
        std::string message;
    };
    const Case cases[] = {
        {2, "01 02 03 04 05\r\n01 02 03 04 06", ""},
        {3, "01 02 03 04 05\r\n01 02 03 04 06",
         "Количество комбинаций ( 3 ) отличается от числа строк списка ( 2 )."},
        {2, "01 02 03 04 05\r\n01 02 03 04",
         "Строка 2 списка комбинаций неверна: нужно 5 номеров от 1 до 7."},
        {1, "01 02 03 04 08", "Строка 1 списка комбинаций неверна: нужно 5 номеров от 1 до 7."},
        {2, "\r\n01 02 03 04 05", "Строка 1 списка комбинаций неверна: нужно 5 номеров от 1 до 7."},
        {1, "0 1 2 3 4", "Строка 1 списка комбинаций неверна: нужно 5 номеров от 1 до 7."},
        {1, "a b c d e", "Строка 1 списка комбинаций неверна: нужно 5 номеров от 1 до 7."},
        {0, "\r\n \r\n", "Содержимое системы должно быть указано обязательно!"},
    };
    for (const Case& c : cases) {
        catalogue::SystemPublication s = sevenNumbers();
        s.csize = c.csize;
        s.clist = c.clist;
        if (c.message.empty()) {
            EXPECT_GT(put(s, alice()), 0) << c.clist;
        } else {
            EXPECT_EQ(refusal(catalogue::kSystemPutPath, catalogue::systemPutForm(s, alice(), false)),
                      c.message)
                << c.clist;
        }
    }

    catalogue::SystemPublication shape = sevenNumbers();
    shape.nums = 4;
    EXPECT_EQ(refusal(catalogue::kSystemPutPath, catalogue::systemPutForm(shape, alice(), false)),
              "Недопустимые параметры системы: длина комбинации 5, чисел 4, блок 2.");
    // a length beyond the range of int is no length 5 after narrowing
    Form wide;
    Form sent = catalogue::systemPutForm(sevenNumbers(), alice(), false);
    for (const auto& [name, value] : sent.fields()) {
        wide.add(name, name == "clen" ? "4294967301" : value);
    }
    EXPECT_EQ(refusal(catalogue::kSystemPutPath, wide),
              "Недопустимые параметры системы: длина комбинации 4294967301, чисел 7, блок 2.");
    shape = sevenNumbers();
    shape.title = " ";
    EXPECT_EQ(refusal(catalogue::kSystemPutPath, catalogue::systemPutForm(shape, alice(), false)),
              texts::kSystemNoTitle);
}

TEST_F(SystemRequests, CombinationListMustBeEscapedBase64) {
    Form form = catalogue::systemPutForm(sevenNumbers(), alice(), false);
    auto withList = [&](const std::string& clist) {
        Form f;
        for (const auto& [name, value] : form.fields()) {
            f.add(name, name == "clist" ? clist : value);
        }
        return f;
    };
    EXPECT_EQ(refusal(catalogue::kSystemPutPath, withList("AB$C")),
              "Поле \"clist\" повреждено: неверная кодировка Base64.");
    EXPECT_EQ(refusal(catalogue::kSystemPutPath, withList(catalogue::base64Encode("01\\x"))),
              "Поле \"clist\" повреждено: неверное экранирование текста.");
    EXPECT_EQ(refusal(catalogue::kSystemPutPath, withList(catalogue::base64Encode("\xFF\xFE"))),
              "Текст поля \"clist\" не в кодировке UTF-8.");
}

TEST(CombinationList, StoredTrimmedWithCrLf) {
    EXPECT_EQ(checkedCombinationList(" 1 2 3 4 5 \n6;7;8;9;10\r\n\r\n", 5, 10, 2),
              "1 2 3 4 5\r\n6;7;8;9;10");
}

}  // namespace
}  // namespace pentad::server::test
