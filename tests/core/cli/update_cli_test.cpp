// SPDX-License-Identifier: GPL-3.0-or-later
// The whole way of an update: scripts/make-update packs a newer build,
// pentad-server --files publishes it, and pentad-cli finds it and installs
// it into a copy of the program folder, which then reports the new version.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "online/self_update.h"
#include "shell/program_version.h"
#include "support/temp_dir.h"

extern char** environ;

namespace pentad {
namespace {

namespace fs = std::filesystem;

struct ShellRun {
    int code = -1;
    std::string out;
};

ShellRun runShell(const std::string& command) {
    ShellRun r;
    FILE* p = ::popen(command.c_str(), "r");
    if (p == nullptr) {
        return r;
    }
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) {
        r.out.append(buf.data(), n);
    }
    const int status = ::pclose(p);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// pentad-server serving `filesDir` on a free loopback port.
class FilesServer {
public:
    FilesServer(const std::string& filesDir, const std::string& dbFile, const std::string& log) {
        std::vector<std::string> args = {PENTAD_SERVER_PATH, "--db",   dbFile, "--port",
                                         "0",                "--files", filesDir};
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        int fds[2];
        if (::pipe(fds) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            m_pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        // "pentad-server: serving http://127.0.0.1:PORT/ from ..."
        std::string line;
        char c = 0;
        pollfd p{fds[0], POLLIN, 0};
        while (::poll(&p, 1, 10000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') {
            line += c;
        }
        ::close(fds[0]);
        const size_t at = line.find("127.0.0.1:");
        if (at != std::string::npos) {
            m_port = std::atoi(line.c_str() + at + 10);
        }
    }
    ~FilesServer() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    int port() const { return m_port; }

private:
    pid_t m_pid = -1;
    int m_port = 0;
};

// A copy of a program file whose version stamp says `version`, as a newer
// build would.
bool stampedCopy(const std::string& from, const std::string& to, const std::string& version) {
    test::TempDir scratch;
    std::ifstream in(from, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t at = bytes.find(kVersionStampMarker);
    if (at == std::string::npos || bytes.find(kVersionStampMarker, at + 1) != std::string::npos) {
        return false;
    }
    std::string field = version;
    field.resize(kVersionStampRoom, '\0');
    bytes.replace(at + std::string(kVersionStampMarker).size(), field.size(), field);
    std::ofstream out(to, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    fs::permissions(to, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    return out.good();
}

TEST(UpdateRoundTrip, MakeUpdateServeCheckInstall) {
    test::TempDir t;
    const std::string own = programVersion();
    const std::string newer = "1.0.0." + std::to_string(buildNumber(own) + 1);

    // The installed copy and a newer build.
    fs::create_directories(t.file("program"));
    fs::create_directories(t.file("build/bin"));
    fs::create_directories(t.file("files/autoupdates"));
    fs::copy_file(PENTAD_CLI_PATH, t.file("program/pentad-cli"));
    ASSERT_TRUE(stampedCopy(PENTAD_CLI_PATH, t.file("build/bin/pentad-cli"), newer));
    const std::string cli = "'" + t.file("program/pentad-cli") + "'";
    EXPECT_EQ(firstLine(runShell(cli + " --version").out), own);
    EXPECT_EQ(firstLine(runShell("'" + t.file("build/bin/pentad-cli") + "' --version").out),
              newer);

    FilesServer server(t.file("files"), t.file("club.sqlite"), t.file("server.log"));
    ASSERT_GT(server.port(), 0);
    const std::string base =
        "http://127.0.0.1:" + std::to_string(server.port()) + "/files/autoupdates";
    const ShellRun made = runShell(std::string("'") + PENTAD_SOURCE_DIR + "/scripts/make-update' '" +
                              t.file("build") + "' '" + t.file("files/autoupdates") +
                              "' --url " + base + " 2>&1");
    ASSERT_EQ(made.code, 0) << made.out;
    ASSERT_TRUE(fs::exists(t.file("files/autoupdates/Kestrel_AU.cfg")));

    const std::string url = " --url " + base + "/Kestrel_AU.cfg";
    const ShellRun check = runShell(cli + " update check" + url + " 2>/dev/null");
    EXPECT_EQ(check.code, 0) << check.out;
    EXPECT_EQ(firstLine(check.out), newer) << check.out;

    // Without --url the data folder's settings name the address.
    fs::create_directories(t.file("data"));
    std::ofstream(t.file("data/Pentad.ini"))
        << "[ONLINE]\r\nUpdateAddress=" << base << "/Kestrel_AU.cfg\r\n";
    const ShellRun fromIni =
        runShell(cli + " --dir '" + t.file("data") + "' update check 2>/dev/null");
    EXPECT_EQ(fromIni.code, 0) << fromIni.out;
    EXPECT_EQ(firstLine(fromIni.out), newer) << fromIni.out;

    const ShellRun install = runShell(cli + " update install --yes" + url + " 2>&1");
    EXPECT_EQ(install.code, 0) << install.out;
    EXPECT_NE(install.out.find("успешно выполнена"), std::string::npos) << install.out;
    EXPECT_EQ(firstLine(runShell(cli + " --version").out), newer);
    EXPECT_FALSE(fs::exists(t.file("program/SelfUpdate")));

    // Now nothing newer is offered; the file left by the running copy goes.
    const ShellRun again = runShell(cli + " update install --yes" + url + " 2>&1");
    EXPECT_EQ(again.code, 1) << again.out;
    EXPECT_NE(again.out.find("Обновлений не найдено!"), std::string::npos) << again.out;
    EXPECT_FALSE(fs::exists(t.file("program/pentad-cli.~")));

    // A description that cannot be had fails with 2 and the message.
    const ShellRun failed = runShell(cli + " update install --yes --url " + base + "/none.cfg 2>&1");
    EXPECT_EQ(failed.code, 2) << failed.out;
    EXPECT_NE(failed.out.find("Ошибка поиска обновлений!"), std::string::npos) << failed.out;
}

}  // namespace
}  // namespace pentad
