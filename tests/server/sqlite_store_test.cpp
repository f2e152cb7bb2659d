// SPDX-License-Identifier: GPL-3.0-or-later
// The SQLite catalogue file: kept across restarts, refused when foreign.
#include "server/sqlite_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "catalogue_fixture.h"

namespace pentad::server::test {
namespace {

namespace element = catalogue::element;

using SqliteStore = CatalogueFixture;

TEST_F(SqliteStore, CatalogueSurvivesARestart) {
    int id = publish(alice(), "Постоянный");
    rate(bob(), id, 4, "ок");
    post(catalogue::kScriptDataPath, catalogue::scriptDataForm(id));
    catalogue::SystemPublication s;
    s.nums = 6;
    s.title = "Шесть";
    s.csize = 1;
    s.clist = "1 2 3 4 5";
    post(catalogue::kSystemPutPath, catalogue::systemPutForm(s, alice(), false));

    open();
    ReplyRow row = rowOf(bob(), id);
    EXPECT_EQ(row.base64Field(element::kTitle), "Постоянный");
    EXPECT_EQ(row.field(element::kRatingYou), "4");
    EXPECT_EQ(row.field(element::kDownloads), "1");
    EXPECT_EQ(post(catalogue::kSystemListPath, catalogue::systemListForm(bob())).size(), 1u);
    EXPECT_EQ(publish(alice(), "Следующий"), id + 1);
}

TEST_F(SqliteStore, ListFollowsWritesOfAnotherConnection) {
    int id = publish(alice(), "Первый");
    EXPECT_EQ(ids(bob()).size(), 1u);   // the list is now kept ready
    {
        SqliteCatalogueStore second(dir.file("catalogue.sqlite"));
        RatingRecord rating;
        rating.rate = 5;
        ASSERT_TRUE(second.setRate(id, "hw-bob", rating));
    }
    EXPECT_EQ(rowOf(bob(), id).field(element::kRatingAvg), "5.000");
}

TEST(SqliteStoreFile, RefusesFilesItCannotUse) {
    pentad::test::TempDir dir;
    dir.write("junk.sqlite", std::string(4096, 'j'));
    EXPECT_THROW(SqliteCatalogueStore(dir.file("junk.sqlite")), StoreError);

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(dir.file("newer.sqlite").c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    try {
        SqliteCatalogueStore store(dir.file("newer.sqlite"));
        FAIL();
    } catch (const StoreError& e) {
        EXPECT_NE(std::string(e.what()).find("newer server"), std::string::npos);
    }
    EXPECT_THROW(SqliteCatalogueStore(dir.file("no-such-folder/x.sqlite")), StoreError);
}

}  // namespace
}  // namespace pentad::server::test
