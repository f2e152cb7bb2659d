// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli identity, catalogue and systems online: two data folders (two
// installations) work with one catalogue server on a loopback port.
#include <gtest/gtest.h>

#include "support/catalogue_server.h"
#include "support/cli_runner.h"

namespace pentad {
namespace {

using test::runCli;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        out.push_back(text.substr(start, end - start));
    }
    return out;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        out.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
        if (tab == std::string::npos) {
            return out;
        }
        start = tab + 1;
    }
}

TEST(CatalogueCli, TwoInstallationsShareScenariosAndSystems) {
    test::LoopbackCatalogue server;
    const std::string url = " --url " + server.address();
    test::TempDir alice;
    test::TempDir bob;
    ASSERT_EQ(runCli(alice, "identity set --name 'Алиса' --mail alice@example.org").code, 0);
    ASSERT_EQ(runCli(bob, "identity set --name Bob --mail bob@example.org").code, 0);
    EXPECT_NE(runCli(alice, "identity show").out.find("Name=Алиса\nMail=alice@example.org\n"),
              std::string::npos);

    // without a scenario nothing is published; without an address nothing is sent
    EXPECT_EQ(runCli(alice, "catalogue publish --title T" + url).code, 1);
    EXPECT_EQ(runCli(alice, "catalogue list").code, 1);
    EXPECT_NE(alice.read("stderr.txt").find("CatalogueServer"), std::string::npos);

    ASSERT_EQ(runCli(alice, "scenario add 'FULL:0#FIRST| | | | | | | |x'").code, 0);
    test::CliResult published =
        runCli(alice, "catalogue publish --title 'Сценарий' --descr 'Описание'" + url);
    ASSERT_EQ(published.code, 0);
    const std::string id = published.out.substr(0, published.out.find('\n'));
    // the title is taken now
    EXPECT_EQ(runCli(alice, "catalogue publish --title 'Сценарий'" + url).code, 1);

    // --url also before the last word
    test::CliResult list = runCli(bob, "catalogue" + url + " list");
    ASSERT_EQ(list.code, 0);
    ASSERT_EQ(lines(list.out).size(), 1u);
    std::vector<std::string> row = fields(lines(list.out)[0]);
    ASSERT_EQ(row.size(), 11u);
    EXPECT_EQ(row[0], id);
    EXPECT_EQ(row[1], "Общий");
    EXPECT_EQ(row[2], "Сценарий");
    EXPECT_EQ(row[3], "Алиса");

    ASSERT_EQ(runCli(bob, "catalogue rate " + id + " 4 --notes 'Хорошо'" + url).code, 0);
    row = fields(lines(runCli(bob, "catalogue list" + url).out)[0]);
    EXPECT_EQ(row[7], "4.000");
    EXPECT_EQ(row[9], "4");
    EXPECT_NE(runCli(bob, "catalogue rates " + id + url).out.find("Bob\t4\t"), std::string::npos);
    ASSERT_EQ(runCli(bob, "catalogue get " + id + url).code, 0);
    EXPECT_NE(runCli(bob, "scenario list").out.find("FULL:0#FIRST"), std::string::npos);

    ASSERT_EQ(runCli(bob, "catalogue hide " + id + url).code, 0);
    EXPECT_EQ(runCli(bob, "catalogue list" + url).out, "");
    EXPECT_EQ(lines(runCli(bob, "catalogue list --filter 0" + url).out).size(), 1u);

    // only the publisher deletes
    EXPECT_EQ(runCli(bob, "catalogue delete " + id + " --yes" + url).code, 1);
    EXPECT_EQ(runCli(alice, "catalogue replace " + id + " --title 'Новое'" + url).code, 0);
    EXPECT_EQ(fields(lines(runCli(alice, "catalogue list" + url).out)[0])[2], "Новое");
    EXPECT_EQ(runCli(alice, "catalogue delete " + id + url).code, 1);   // not confirmed
    EXPECT_EQ(runCli(alice, "catalogue delete " + id + " --yes" + url).code, 0);
    EXPECT_EQ(runCli(alice, "catalogue list --filter 1" + url).out, "");

    // systems
    alice.write("sys.txt", "1 2 3 4 5\r\n1 2 3 4 6\r\n2 3 4 5 6\r\n");
    test::CliResult sys = runCli(alice, "systems online publish --file '" + alice.file("sys.txt") +
                                            "' --nums 6 --overlap 0 --title 'Система' "
                                            "--descr 'Три линии'" + url);
    ASSERT_EQ(sys.code, 0);
    const std::string sysId = sys.out.substr(0, sys.out.find('\n'));
    row = fields(lines(runCli(bob, "systems online list" + url).out)[0]);
    EXPECT_EQ(row[0], sysId);
    EXPECT_EQ(row[8], "");
    ASSERT_EQ(runCli(bob, "systems online get " + sysId + url).code, 0);
    row = fields(lines(runCli(bob, "systems online list" + url).out)[0]);
    EXPECT_EQ(row[8], "Загружена");
    EXPECT_EQ(runCli(bob, "systems online delete " + sysId + " --yes" + url).code, 1);
    EXPECT_EQ(runCli(alice, "systems online delete " + sysId + " --yes" + url).code, 0);
    EXPECT_EQ(fields(lines(runCli(bob, "systems online list" + url).out)[0])[0], "-1");
}

}  // namespace
}  // namespace pentad
