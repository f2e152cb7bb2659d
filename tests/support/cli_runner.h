// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the command-line tool on a temporary data folder and collects its
// exit code and standard output (standard error goes to "stderr.txt").
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "support/temp_dir.h"

namespace pentad::test {

struct CliResult {
    int code = 0;
    std::string out;
};

inline CliResult runCli(const TempDir& dir, const std::string& args) {
    std::string cmd = std::string(PENTAD_CLI_PATH) + " --dir '" + dir.path() + "' " + args +
                      " 2>'" + dir.file("stderr.txt") + "'";
    CliResult r;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (p == nullptr) {
        r.code = -1;
        return r;
    }
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) {
        r.out.append(buf.data(), n);
    }
    int status = ::pclose(p);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

}  // namespace pentad::test
