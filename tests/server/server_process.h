// SPDX-License-Identifier: GPL-3.0-or-later
// The pentad-server program started as a child process: its standard output
// on a pipe, its log (standard error) in a file.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace pentad::server::test {

struct Child {
    pid_t pid = -1;
    int out = -1;   // its standard output
};

// Starts the program with `args`; -1 as pid when it cannot be started.
inline Child spawnServer(const std::vector<std::string>& args, const std::string& errFile) {
    std::vector<std::string> argv = {PENTAD_SERVER_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> raw;
    for (auto& a : argv) {
        raw.push_back(a.data());
    }
    raw.push_back(nullptr);
    Child child;
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        return child;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (posix_spawn(&child.pid, raw[0], &actions, nullptr, raw.data(), environ) != 0) {
        child.pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    child.out = pipeFds[0];
    return child;
}

// The first line the child writes, waiting at most `millis` for each byte.
inline std::string firstLine(int fd, int millis = 10000) {
    std::string line;
    char c = 0;
    pollfd p{fd, POLLIN, 0};
    while (poll(&p, 1, millis) > 0 && read(fd, &c, 1) == 1 && c != '\n') {
        line += c;
    }
    return line;
}

// The exit code, or 128 + the signal that ended it.
inline int waitExit(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace pentad::server::test
