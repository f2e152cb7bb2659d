// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the command-line tool as a user would, on a temporary data folder.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::drawBytes;
using test::TempDir;

struct Result {
    int code = 0;
    std::string out;
};

Result run(const TempDir& dir, const std::string& args) {
    std::string cmd = std::string(PENTAD_CLI_PATH) + " --dir '" + dir.path() + "' " + args +
                      " 2>'" + dir.file("stderr.txt") + "'";
    Result r;
    FILE* p = ::popen(cmd.c_str(), "r");
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) {
        r.out.append(buf.data(), n);
    }
    int status = ::pclose(p);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

TEST(Cli, ImportThenExportGivesTheSameLines) {
    TempDir dir;
    std::string lines = "1;\"08/01/2016 M\";9;8;6;5;6\r\n2;\"08/01/2016 E\";0;8;6;1;0\r\n";
    dir.write("a.csv", lines);
    EXPECT_EQ(run(dir, "draws import '" + dir.file("a.csv") + "'").code, 0);
    EXPECT_EQ(run(dir, "draws export '" + dir.file("b.csv") + "'").code, 0);
    EXPECT_EQ(dir.read("b.csv"), lines);
    EXPECT_EQ(run(dir, "draws list").out,
              "2\t0\t8\t6\t1\t0\t15\t08/01/2016 E\n1\t9\t8\t6\t5\t6\t34\t08/01/2016 M\n");
    EXPECT_EQ(run(dir, "draws list --limit 1").out, "2\t0\t8\t6\t1\t0\t15\t08/01/2016 E\n");
}

TEST(Cli, DamagedArchiveIsReportedAndNotRewritten) {
    TempDir dir;
    std::string bytes = drawBytes(1, {1, 2, 3, 4, 5}, "") + "abc";
    dir.write("Pentad.ldr", bytes);
    Result list = run(dir, "draws list");
    EXPECT_NE(list.code, 0);
    EXPECT_EQ(list.out, "1\t1\t2\t3\t4\t5\t15\t\n");
    EXPECT_NE(dir.read("stderr.txt").find("Ошибка чтения файла тиражей!"), std::string::npos);
    EXPECT_NE(run(dir, "draws add --digits 1,2,3,4,5").code, 0);
    EXPECT_EQ(dir.read("Pentad.ldr"), bytes);
}

TEST(Cli, AddEditDeleteAndStatus) {
    TempDir dir;
    EXPECT_NE(run(dir, "draws add --digits '1;2;3;4;12'").code, 0);
    EXPECT_EQ(dir.read("stderr.txt"), "Введена некорректная комбинация!\n");
    EXPECT_EQ(run(dir, "draws add --digits '1, 2, 3, 4, 5' --date '10/16/2025 M'").code, 0);
    EXPECT_EQ(run(dir, "draws add --digits 5,5,5,5,5 --number 7 --date '10/16/2025 E'").code, 0);
    EXPECT_EQ(run(dir, "draws edit --number 1 --digits 0,0,0,0,1").code, 0);
    EXPECT_EQ(run(dir, "draws status --offset 1").out,
              "Архив тиражей: 2\nСледующий тираж: 2\n5;5;5;5;5\n");
    EXPECT_NE(run(dir, "draws delete --number 7").code, 0);  // not confirmed
    EXPECT_EQ(dir.read("Pentad.ldr").size(), 48u);
    EXPECT_EQ(run(dir, "draws delete --number 7 --yes").code, 0);
    EXPECT_EQ(dir.read("Pentad.ldr"), drawBytes(1, {0, 0, 0, 0, 1}, "10/16/2025 M"));
    EXPECT_NE(run(dir, "draws delete --number 7 --yes").code, 0);
}

}  // namespace
}  // namespace pentad
