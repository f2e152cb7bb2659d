// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/processes.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "shell/cp1251.h"

namespace pentad {
namespace {

// The executable's file name of process `pid`: the target of its "exe" link,
// or, where that may not be read (another user's process), the first word of
// its command line.
std::string executableName(const std::filesystem::path& process) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink(process / "exe", ec);
    if (!ec) {
        std::string name = exe.filename().string();
        // A replaced executable still runs under its old name.
        const std::string deleted = " (deleted)";
        if (name.size() > deleted.size() &&
            name.compare(name.size() - deleted.size(), deleted.size(), deleted) == 0) {
            name.resize(name.size() - deleted.size());
        }
        return name;
    }
    std::ifstream cmdline(process / "cmdline", std::ios::binary);
    std::string first;
    std::getline(cmdline, first, '\0');
    return std::filesystem::path(first).filename().string();
}

}  // namespace

std::string programFileName() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.filename().string();
}

bool otherProcessRunning(const std::string& fileName) {
    if (fileName.empty()) {
        return false;
    }
    const std::string self = std::to_string(::getpid());
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", ec)) {
        const std::string pid = entry.path().filename().string();
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos ||
            pid == self) {
            continue;
        }
        if (sameTextNoCase(executableName(entry.path()), fileName)) {
            return true;
        }
    }
    return false;
}

bool fileLockHeld(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool held = false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        held = errno == EWOULDBLOCK;
    } else {
        ::flock(fd, LOCK_UN);
    }
    ::close(fd);
    return held;
}

bool waitUntilEnded(const std::function<bool()>& stillRuns, const std::function<void()>& pause,
                    int checks) {
    for (int i = 0; i < checks; ++i) {
        if (!stillRuns()) {
            return true;
        }
        if (i + 1 < checks) {
            pause();
        }
    }
    return false;
}

}  // namespace pentad
