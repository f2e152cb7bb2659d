// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the command line that shape the start, and the wait of a
// restarted program for the copy it replaces (with real processes).
#include "app/restart.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "shell/processes.h"
#include "shell/startup_words.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

TEST(StartupWords, AnyPrefixAndCaseSelectAWordButNotALongerOne) {
    EXPECT_TRUE(StartupWords::of({"/LOADONLY"}).loadOnly);
    EXPECT_TRUE(StartupWords::of({"--loadonly"}).loadOnly);
    EXPECT_TRUE(StartupWords::of({"\\LoadOnly"}).loadOnly);
    EXPECT_FALSE(StartupWords::of({"loadonly2"}).loadOnly);
    EXPECT_FALSE(StartupWords::of({"---loadonly"}).loadOnly);
    EXPECT_TRUE(StartupWords::of({"x", "-Restart"}).restart);
    EXPECT_TRUE(StartupWords::of({"no-language"}).noLanguage);

    // loadonly ends after its download unless a prefetch word follows it;
    // every batch word keeps the catalogue list from loading.
    const StartupWords plain = StartupWords::of({});
    EXPECT_FALSE(plain.batch());
    EXPECT_FALSE(plain.endsAfterDownload());
    EXPECT_TRUE(StartupWords::of({"loadonly"}).endsAfterDownload());
    EXPECT_FALSE(StartupWords::of({"loadonly", "fullrefresh"}).endsAfterDownload());
    EXPECT_FALSE(StartupWords::of({"/fullrecreate", "loadonly"}).endsAfterDownload());
    EXPECT_TRUE(StartupWords::of({"fullrefresh"}).batch());
    EXPECT_TRUE(StartupWords::of({"fullrecreate"}).batch());
    EXPECT_FALSE(StartupWords::of({"restart", "no-language"}).batch());
}

TEST(RestartWait, ChecksUntilTheCopyEndsOrTheChecksRunOut) {
    int checks = 0;
    int pauses = 0;
    EXPECT_TRUE(waitUntilEnded([&] { return ++checks < 4; }, [&] { ++pauses; }, 601));
    EXPECT_EQ(checks, 4);
    EXPECT_EQ(pauses, 3);

    checks = 0;
    pauses = 0;
    EXPECT_FALSE(waitUntilEnded([&] { return ++checks > 0; }, [&] { ++pauses; }, 601));
    EXPECT_EQ(checks, 601);
    EXPECT_EQ(pauses, 600);
}

// A stand-in for an earlier copy of the program: a process under its own
// executable name that holds the stake ledger of a folder while it runs.
class EarlierCopy {
public:
    EarlierCopy(const test::TempDir& bin, const std::string& folder, const char* seconds) {
        name_ = "pentad-earlier-" + std::to_string(::getpid());
        const std::string exe = bin.file(name_);
        std::filesystem::copy_file("/usr/bin/flock", exe);
        const std::string ledger = folder + "/Pentad.lsk";
        pid_ = ::fork();
        if (pid_ == 0) {
            ::setpgid(0, 0);
            ::execl(exe.c_str(), name_.c_str(), "-o", ledger.c_str(), "sleep", seconds,
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        // Started once it holds the ledger.
        for (int i = 0; i < 500 && !fileLockHeld(ledger); ++i) {
            ::usleep(10000);
        }
    }
    ~EarlierCopy() {
        if (pid_ > 0) {
            ::kill(-pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    EarlierCopy(const EarlierCopy&) = delete;
    EarlierCopy& operator=(const EarlierCopy&) = delete;

    const std::string& name() const { return name_; }
    // Reaps the copy once it has ended by itself.
    void reap() {
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    std::string name_;
    pid_t pid_ = -1;
};

TEST(RestartWait, WaitsForTheCopyOnTheSameFolderOnly) {
    test::TempDir bin;
    test::TempDir folder;
    test::TempDir other;
    EarlierCopy copy(bin, folder.path(), "60");
    ASSERT_TRUE(fileLockHeld(folder.file("Pentad.lsk")));
    EXPECT_TRUE(otherProcessRunning(copy.name()));
    EXPECT_TRUE(otherProcessRunning(copy.name().substr(0, 7) + "EARLIER" +
                                    copy.name().substr(14)));  // case does not matter
    EXPECT_FALSE(otherProcessRunning(copy.name() + "x"));
    EXPECT_TRUE(earlierCopyRuns(copy.name(), folder.path()));
    // A copy working on another folder, or another program on this one.
    EXPECT_FALSE(earlierCopyRuns(copy.name(), other.path()));
    EXPECT_FALSE(earlierCopyRuns("pentad-another-program", folder.path()));
    // A copy that does not end: the restarted program gives up.
    int pauses = 0;
    EXPECT_FALSE(waitForEarlierCopy(copy.name(), folder.path(), [&] { ++pauses; }, 5));
    EXPECT_EQ(pauses, 4);
}

TEST(RestartWait, StartsOnceTheEarlierCopyHasEnded) {
    test::TempDir bin;
    test::TempDir folder;
    EarlierCopy copy(bin, folder.path(), "0.3");
    ASSERT_TRUE(earlierCopyRuns(copy.name(), folder.path()));
    int pauses = 0;
    EXPECT_TRUE(waitForEarlierCopy(
        copy.name(), folder.path(),
        [&] {
            ++pauses;
            ::usleep(20000);
        },
        kRestartChecks));
    EXPECT_GT(pauses, 0);
    EXPECT_FALSE(fileLockHeld(folder.file("Pentad.lsk")));
    copy.reap();
}

}  // namespace
}  // namespace pentad
