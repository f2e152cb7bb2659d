// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/static_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace pentad::server {
namespace {

namespace fs = std::filesystem;

TEST(StaticFiles, ServesOnlyPlainFilesBelowTheFolder) {
    pentad::test::TempDir dir;
    fs::create_directories(dir.file("files/autoupdates"));
    dir.write("files/autoupdates/Kestrel_AU.cfg", "[Pentad]\r\n");
    dir.write("files/.hidden", "x");
    dir.write("secret.txt", "s");
    fs::create_symlink(dir.file("secret.txt"), dir.file("files/link-out"));
    fs::create_symlink(dir.file("files/autoupdates/Kestrel_AU.cfg"), dir.file("files/link-in"));
    fs::path root = dir.file("files");

    auto found = resolveServedFile(root, "autoupdates/Kestrel_AU.cfg");
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, fs::canonical(dir.file("files/autoupdates/Kestrel_AU.cfg")));
    EXPECT_TRUE(resolveServedFile(root, "link-in"));

    for (const char* refused : {"", "autoupdates", "autoupdates/", "../secret.txt",
                                "autoupdates/../../secret.txt", "./autoupdates/Kestrel_AU.cfg",
                                "/etc/passwd", "..", ".hidden", "link-out", "missing.cfg",
                                "autoupdates\\..\\..\\secret.txt", "autoupdates//Kestrel_AU.cfg"}) {
        EXPECT_FALSE(resolveServedFile(root, refused)) << refused;
    }
    EXPECT_FALSE(resolveServedFile(root, std::string("Kestrel\0.cfg", 12)));
    EXPECT_FALSE(resolveServedFile(dir.file("no-such-folder"), "x"));
}

}  // namespace
}  // namespace pentad::server
