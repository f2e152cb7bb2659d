// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/self_update.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <zlib.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "online/update_texts.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/shell.h"
#include "support/scripted_user_interface.h"
#include "support/temp_dir.h"
#include "support/update_server.h"

extern char** environ;

namespace pentad {
namespace {

namespace fs = std::filesystem;

std::string crcOf(const std::string& bytes) {
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()),
                      static_cast<uInt>(bytes.size()));
    char text[16];
    std::snprintf(text, sizeof text, "%08lx", static_cast<unsigned long>(crc));
    return text;
}

std::string script(const std::string& body) { return "#!/bin/sh\n" + body + "\n"; }

using test::UpdateServer;

constexpr const char* kCfg = "/files/autoupdates/Kestrel_AU.cfg";
constexpr const char* kPackage = "/files/autoupdates/pentad-5.3.0.121.run";

class SelfUpdateTest : public ::testing::Test {
protected:
    SelfUpdateTest() : shell(ui) {}

    // The description with the program section and optional global lists.
    void describe(const std::string& verId, const std::string& downloadUrl,
                  const std::string& checksum, const std::string& programExtra = "",
                  const std::string& global = "") {
        std::string ini = "[GlobalOptions]\r\n" + global + "[Pentad]\r\nVerId=" + verId +
                          "\r\nDescription=Пентад " + verId + "\r\nDownloadUrl=" + downloadUrl +
                          "\r\nOriginalFileName=setup.sh\r\nChecksumCRC32=" + checksum + "\r\n" +
                          programExtra;
        server.put(kCfg, utf8ToCp1251(ini));
    }
    // A package served with its right checksum.
    void offerPackage(const std::string& body, const std::string& programExtra = "",
                      const std::string& global = "") {
        const std::string bytes = script(body);
        server.put(kPackage, bytes);
        describe("5.3.0.121", server.url(kPackage), crcOf(bytes), programExtra, global);
    }

    SelfUpdateSetup setup() const {
        SelfUpdateSetup s;
        s.programFolder = program.path();
        s.programName = "Pentad";
        s.ownVersion = "5.3.0.120";
        s.runLimitMs = 20000;
        return s;
    }
    int run(bool accept = true) {
        SelfUpdate update(shell, setup());
        return update.run(server.url(kCfg), false, [&](const UpdateOffer& o) {
            offered = o;
            return accept;
        });
    }
    std::string lastMessage() const {
        return ui.messages.empty() ? std::string() : ui.messages.back().text;
    }
    std::string installError(const std::string& text) const {
        return format(texts::kUpdateInstallFailed, text);
    }

    test::ScriptedUserInterface ui;
    Shell shell;
    test::TempDir program;
    test::TempDir outside;
    UpdateServer server;
    UpdateOffer offered;
};

TEST_F(SelfUpdateTest, BuildNumberIsTheFourthPart) {
    EXPECT_EQ(buildNumber("5.3.0.120"), 120);
    EXPECT_EQ(buildNumber("5_3-1,119"), 119);
    EXPECT_EQ(buildNumber("5.3.1"), 0);
    EXPECT_EQ(buildNumber("5.3.1.x1"), 0);
    EXPECT_EQ(buildNumber("5.3.1.7.9"), 7);

    // Only the fourth part counts: 5.3.1.119 is older than 5.3.0.120.
    server.put(kPackage, script("echo new > a.txt"));
    describe("5.3.1.119", server.url(kPackage), "");
    EXPECT_EQ(run(), kUpdateNothing);
    EXPECT_EQ(lastMessage(), texts::kUpdateNotFound);
    // A newer build without a package address is no update either.
    describe("5.4.0.121", "", "");
    EXPECT_EQ(run(), kUpdateNothing);
    EXPECT_EQ(server.hits(kPackage), 0);
    EXPECT_FALSE(fs::exists(program.file(kUpdateInfName)));

    // Silent mode keeps quiet about that and about a failed search.
    ui.messages.clear();
    SelfUpdate update(shell, setup());
    EXPECT_EQ(update.run(server.url(kCfg), true, {}), kUpdateNothing);
    EXPECT_EQ(update.run(server.url("/missing.cfg"), true, {}), kUpdateFailed);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(update.run(server.url("/missing.cfg"), false, {}), kUpdateFailed);
    EXPECT_EQ(lastMessage().rfind("Ошибка поиска обновлений!\r\r", 0), 0u) << lastMessage();
    EXPECT_EQ(shell.busyCount(), 0);
    EXPECT_FALSE(shell.progressShown());
}

TEST_F(SelfUpdateTest, InstallsAndAsksForTheRestart) {
    program.write("a.txt", "old");
    program.write("Pentad.~lng", "left over");
    offerPackage("echo new > a.txt; mkdir -p help; echo chm > help/Kestrel_RUS.chm");
    server.put("/files/autoupdates/UpdDescr/UpdDescr_RUS_5.3.0.121.txt",
               utf8ToCp1251("Новые фильтры"));
    SelfUpdateSetup s = setup();
    s.language = 1049;

    SelfUpdate update(shell, s);
    const int result = update.run(server.url(kCfg), false, [&](const UpdateOffer& o) {
        offered = o;
        return true;
    });
    EXPECT_EQ(result, kUpdateInstalled);
    EXPECT_EQ(offered.data.VerId, "5.3.0.121");
    EXPECT_EQ(offered.data.Description, "Пентад 5.3.0.121");
    EXPECT_EQ(offered.descriptionText, "Новые фильтры");
    EXPECT_EQ(program.read("a.txt"), "new\n");
    EXPECT_EQ(program.read("help/Kestrel_RUS.chm"), "chm\n");
    EXPECT_EQ(lastMessage(), format(texts::kUpdateInstalled, std::string("Пентад 5.3.0.121")));
    EXPECT_EQ(ui.messages.back().kind, MessageKind::Attention);
    // The leftover of an earlier run went at the search; nothing of this one stays.
    EXPECT_FALSE(fs::exists(program.file("Pentad.~lng")));
    EXPECT_FALSE(fs::exists(program.file("a.~txt")));
    EXPECT_FALSE(fs::exists(program.file(kUpdateWorkFolder)));
    EXPECT_FALSE(fs::exists(program.file(kUpdateInfName)));
    EXPECT_FALSE(fs::exists(program.file("UpdDescr_5.3.0.121.txt")));
    EXPECT_EQ(shell.busyCount(), 0);

    // Refusing the offer installs nothing.
    offerPackage("echo newer > a.txt");
    EXPECT_EQ(run(false), kUpdateNothing);
    EXPECT_EQ(program.read("a.txt"), "new\n");
}

TEST_F(SelfUpdateTest, DescriptionTextFallsBackThroughItsNames) {
    offerPackage("echo new > a.txt");
    SelfUpdate update(shell, setup());
    EXPECT_EQ(update.search(server.url(kCfg))->descriptionText, texts::kUpdateNoDescription);
    server.put("/files/autoupdates/UpdDescr/UpdDescr_5.3.0.121.txt", "plain");
    EXPECT_EQ(update.search(server.url(kCfg))->descriptionText, "plain");
    server.put("/files/autoupdates/UpdDescr/UpdDescr_1049_5.3.0.121.txt", "by id");
    EXPECT_EQ(update.search(server.url(kCfg))->descriptionText, "by id");
}

TEST_F(SelfUpdateTest, WrongChecksumIsFetchedThreeTimesThenRefused) {
    program.write("a.txt", "old");
    server.put(kPackage, script("echo new > a.txt"));
    describe("5.3.0.121", server.url(kPackage), "0BADF00D");
    EXPECT_EQ(run(), kUpdateFailed);
    EXPECT_EQ(server.hits(kPackage), 3);
    EXPECT_EQ(lastMessage(), installError(texts::kUpdateBadChecksum));
    EXPECT_EQ(program.read("a.txt"), "old");
    EXPECT_FALSE(fs::exists(program.file(kUpdateInfName)));
    EXPECT_EQ(shell.busyCount(), 0);
    EXPECT_FALSE(shell.progressShown());

    // The checksum is compared without regard to case.
    const std::string bytes = script("echo new > a.txt");
    std::string upper = crcOf(bytes);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    describe("5.3.0.121", server.url(kPackage), upper);
    EXPECT_EQ(run(), kUpdateInstalled);
}

TEST_F(SelfUpdateTest, UncheckedPackageOnlyFromAFilePath) {
    program.write("a.txt", "old");
    // Over plain HTTP an empty checksum is refused before anything is fetched.
    server.put(kPackage, script("echo new > a.txt"));
    describe("5.3.0.121", server.url(kPackage), "");
    EXPECT_EQ(run(), kUpdateFailed);
    EXPECT_EQ(server.hits(kPackage), 0);
    EXPECT_EQ(program.read("a.txt"), "old");
    EXPECT_EQ(lastMessage(), format(texts::kUpdateSearchFailed,
                                    format(texts::kUpdateUncheckedPackage, server.url(kPackage))));

    // From a file path, description and package alike, it is installed.
    outside.write("pkg.run", script("echo new > a.txt"));
    outside.write("Kestrel_AU.cfg",
                  "[Pentad]\r\nVerId=5.3.0.121\r\nDownloadUrl=" + outside.file("pkg.run") +
                      "\r\nOriginalFileName=setup.sh\r\n");
    fs::create_directories(outside.file("UpdDescr"));
    outside.write("UpdDescr/UpdDescr_5.3.0.121.txt", "from disk");
    SelfUpdate update(shell, setup());
    EXPECT_EQ(update.run(outside.file("Kestrel_AU.cfg"), false,
                         [&](const UpdateOffer& o) {
                             offered = o;
                             return true;
                         }),
              kUpdateInstalled);
    EXPECT_EQ(offered.descriptionText, "from disk");
    EXPECT_EQ(program.read("a.txt"), "new\n");
}

TEST_F(SelfUpdateTest, PackageFailuresLeaveTheProgramFolder) {
    program.write("a.txt", "old");
    offerPackage("echo new > a.txt; exit 3");
    EXPECT_EQ(run(), kUpdateFailed);
    EXPECT_EQ(lastMessage(), installError(format(texts::kUpdateRunExitCode,
                                                 std::string("setup.sh"), 3)));
    EXPECT_EQ(program.read("a.txt"), "old");

    offerPackage("true");
    EXPECT_EQ(run(), kUpdateFailed);
    EXPECT_EQ(lastMessage(),
              installError(format(texts::kUpdateFileNotFound,
                                  program.file(std::string(kUpdateWorkFolder) + "/*.*"))));
    EXPECT_EQ(program.read("a.txt"), "old");
    EXPECT_EQ(shell.busyCount(), 0);
}

TEST_F(SelfUpdateTest, ListsRunInOrderInTheWorkFolder) {
    const std::string log = outside.file("order.log");
    auto helper = [&](const std::string& name) {
        return "printf '#!/bin/sh\\necho " + name + " $(pwd) $(cat ../a.txt) >> " + log +
               "\\n' > " + name + ".sh; ";
    };
    program.write("a.txt", "old");
    program.write("gone-before.txt", "x");
    program.write("gone-after.txt", "x");
    offerPackage("echo new > a.txt; " + helper("g1") + helper("p1") + helper("g2") +
                     helper("p2"),
                 "ExecBefore=p1.sh\r\nExecAfter=p2.sh; missing.sh\r\n"
                 "DeleteBefore=no-such-file.txt;gone-before.txt\r\nDeleteAfter=gone-after.txt\r\n",
                 "ExecBefore=g1.sh\r\nExecAfter=g2.sh\r\n");
    EXPECT_EQ(run(), kUpdateInstalled) << lastMessage();
    const std::string work = fs::canonical(program.path()).string() + "/" + kUpdateWorkFolder;
    EXPECT_EQ(outside.read("order.log"), "g1 " + work + " old\np1 " + work + " old\ng2 " + work +
                                             " new\np2 " + work + " new\n");
    EXPECT_FALSE(fs::exists(program.file("gone-before.txt")));
    EXPECT_FALSE(fs::exists(program.file("gone-after.txt")));
}

TEST_F(SelfUpdateTest, NamesOutsideTheFoldersAreRefused) {
    const std::string victim = outside.file("victim.txt");
    outside.write("victim.txt", "keep");
    program.write("a.txt", "old");
    for (const std::string& extra :
         {std::string("DeleteBefore=../") + fs::path(outside.path()).filename().string() +
              "/victim.txt\r\n",
          "DeleteAfter=" + victim + "\r\n", std::string("ExecBefore=sub/../../x.sh\r\n")}) {
        offerPackage("echo new > a.txt", extra);
        EXPECT_EQ(run(), kUpdateFailed) << extra;
        EXPECT_NE(lastMessage().find("Недопустимое имя файла"), std::string::npos)
            << lastMessage();
    }
    const std::string bytes = script("echo new > a.txt");
    server.put(kPackage, bytes);
    server.put(kCfg, "[Pentad]\r\nVerId=5.3.0.121\r\nDownloadUrl=" + server.url(kPackage) +
                         "\r\nOriginalFileName=../run.sh\r\nChecksumCRC32=" + crcOf(bytes) +
                         "\r\n");
    EXPECT_EQ(run(), kUpdateFailed);
    EXPECT_EQ(server.hits(kPackage), 0);
    EXPECT_EQ(outside.read("victim.txt"), "keep");
    EXPECT_EQ(program.read("a.txt"), "old");
    EXPECT_FALSE(fs::exists(program.file(kUpdateWorkFolder)));
}

TEST_F(SelfUpdateTest, FileInUseStepsAsideAndGoesAtTheNextSearch) {
    EXPECT_EQ(inUseName("/p/Pentad.lng"), "/p/Pentad.~lng");
    EXPECT_EQ(inUseName("/p.d/pentad-cli"), "/p.d/pentad-cli.~");

    // A running program file cannot be written over.
    fs::copy_file("/bin/sleep", program.file("helper.bin"));
    const std::string path = program.file("helper.bin");
    char arg0[] = "helper.bin";
    char arg1[] = "30";
    char* argv[] = {arg0, arg1, nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ), 0);

    offerPackage("echo new > helper.bin");
    EXPECT_EQ(run(), kUpdateInstalled) << lastMessage();
    EXPECT_EQ(program.read("helper.bin"), "new\n");
    EXPECT_TRUE(fs::exists(program.file("helper.~bin")));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);

    SelfUpdate update(shell, setup());
    describe("5.3.0.120", server.url(kPackage), "");
    EXPECT_FALSE(update.search(server.url(kCfg)).has_value());
    EXPECT_FALSE(fs::exists(program.file("helper.~bin")));
}

TEST_F(SelfUpdateTest, HalfDoneCopyIsRolledBack) {
    program.write("a.txt", "old");
    // "sub" is a file where the package brings a folder: the second copy fails.
    program.write("sub", "a file");
    offerPackage("echo new > a.txt; mkdir sub; echo c > sub/c.txt; echo z > z.txt");
    EXPECT_EQ(run(), kUpdateFailed);
    EXPECT_NE(lastMessage().find(texts::kUpdateCopyTitle), std::string::npos) << lastMessage();
    EXPECT_EQ(program.read("a.txt"), "old");
    EXPECT_EQ(program.read("sub"), "a file");
    EXPECT_FALSE(fs::exists(program.file("a.~txt")));
    EXPECT_FALSE(fs::exists(program.file("z.txt")));
}

}  // namespace
}  // namespace pentad
