// SPDX-License-Identifier: GPL-3.0-or-later
// Safe rewrites: the temporary files of a writer that was killed before its
// rename are cleared on the next write into the folder, and nothing else is.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "shell/error.h"
#include "shell/file_io.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(AtomicWrite, ClearsWhatAKilledWriterLeftAndNothingElse) {
    test::TempDir dir;
    // left by writers killed before their rename
    dir.write("~archive.bin.123456.tmp", "half of an archive");
    dir.write("~settings.ini.7.tmp", "");
    // the user's own files, whatever they look like
    const std::set<std::string> kept = {"archive.bin", "~notes.tmp", "~x.1234567.tmp",
                                        "~x.12a.tmp", "x.12.tmp", "~.5.tmp", "~x..tmp"};
    for (const std::string& name : kept) {
        dir.write(name, "mine");
    }
    std::filesystem::create_directory(dir.file("~folder.1.tmp"));
    // a writer in another thread or process, still at work
    dir.write("~stakes.dat.42.tmp", "being written");
    int busy = ::open(dir.file("~stakes.dat.42.tmp").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(busy, 0);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);

    writeFileAtomic(dir.file("archive.bin"), "new archive");

    std::set<std::string> expected = kept;
    expected.insert("~folder.1.tmp");
    expected.insert("~stakes.dat.42.tmp");
    EXPECT_EQ(namesIn(dir.path()), expected);
    EXPECT_EQ(dir.read("archive.bin"), "new archive");
    EXPECT_EQ(dir.read("~stakes.dat.42.tmp"), "being written");
    ::close(busy);
}

TEST(AtomicWrite, ReplacesKeepingPermissionsAndLeavesNoTemporaryFile) {
    test::TempDir dir;
    std::string path = dir.file("data.ini");
    writeFileAtomic(path, "one");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    for (int i = 0; i < 20; ++i) {
        writeFileAtomic(path, "round " + std::to_string(i));
    }
    EXPECT_EQ(dir.read("data.ini"), "round 19");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"data.ini"});
}

TEST(AtomicWrite, FailureKeepsTheOldFileAndLeavesNoTemporaryFile) {
    test::TempDir dir;
    std::string path = dir.file("data.ini");
    writeFileAtomic(path, "old");
    // a folder in the way of the rename
    std::filesystem::create_directory(dir.file("sub"));
    EXPECT_THROW(writeFileAtomic(dir.file("sub"), "x"), Error);
    EXPECT_THROW(writeFileAtomic(dir.file("missing/data.ini"), "x"), Error);
    EXPECT_EQ(dir.read("data.ini"), "old");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"data.ini", "sub"}));
}

}  // namespace
}  // namespace pentad
