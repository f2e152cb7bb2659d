// SPDX-License-Identifier: GPL-3.0-or-later
// Runs "pentad-cli combs" as a user would, on a temporary data folder.
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::drawBytes;
using test::TempDir;

using Result = test::CliResult;

Result run(const TempDir& dir, const std::string& args) {
    return test::runCli(dir, args);
}

TEST(CombsCli, GenerateWithSavedDefaultsAndOptions) {
    TempDir dir;
    dir.write("Pentad.ini", "[GLOBAL]\r\nCombsGenerateMode=2\r\nCombsGenerateParameters=4\r\n");
    Result r = run(dir, "combs generate --out '" + dir.file("a.lcv") + "'");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Комбинаций: 1\n");
    EXPECT_EQ(dir.read("a.lcv"), "4;4;4;4;4\r\n");

    EXPECT_EQ(run(dir, "combs generate --params '3;5' --out '" + dir.file("b.lcv") + "'").out,
              "Комбинаций: 32\n");
    EXPECT_EQ(run(dir, "combs generate --mode 0 --out '" + dir.file("c.lcv") + "'").out,
              "Комбинаций: 100000\n");
    EXPECT_EQ(run(dir, "combs unique --in '" + dir.file("b.lcv") + "'").out,
              "В текущем списке комбинаций содержится 2 уникальных номеров\n");

    // A file that cannot be read: an error and nothing written.
    r = run(dir, "combs generate --mode 4 --params '" + dir.file("none.lcv") + "' --out '" +
                     dir.file("d.lcv") + "'");
    EXPECT_NE(r.code, 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("d.lcv")));
    EXPECT_EQ(dir.read("stderr.txt").rfind("Ошибка генерации файла комбинаций!", 0), 0u);
}

TEST(CombsCli, ExcludeAndFind) {
    TempDir dir;
    dir.write("Pentad.ldr", drawBytes(1, {0, 0, 0, 0, 1}, "10/16/2025 M") +
                                drawBytes(2, {0, 0, 0, 0, 2}, "10/16/2025 E") +
                                drawBytes(3, {0, 0, 0, 0, 1}, "10/17/2025 M"));
    dir.write("a.lcv", "0;0;0;0;1\r\n0;0;0;0;2\r\n0;0;0;0;3\r\n");
    Result r = run(dir, "combs exclude --draws 1 --offset 1 --in '" + dir.file("a.lcv") +
                            "' --out '" + dir.file("b.lcv") + "'");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Комбинаций: 2\n");
    EXPECT_EQ(dir.read("b.lcv"), "0;0;0;0;1\r\n0;0;0;0;3\r\n");

    r = run(dir, "combs exclude --draws 1 --in '" + dir.file("none.lcv") + "' --out '" +
                     dir.file("c.lcv") + "'");
    EXPECT_NE(r.code, 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("c.lcv")));

    EXPECT_EQ(run(dir, "combs find --comb '0;0;0;0;1'").out,
              "Выделенная комбинация найдена в следующих тиражах:\n\n"
              "Тираж № 3 от 10/17/2025 M, значения: 0;0;0;0;1\n"
              "Тираж № 1 от 10/16/2025 M, значения: 0;0;0;0;1\n");
    r = run(dir, "combs find --comb '0 0 0 0 3'");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Выделенная комбинация не найдена архиве тиражей!\n");
    EXPECT_NE(run(dir, "combs find --comb '1;2;3;4'").code, 0);
}

}  // namespace
}  // namespace pentad
