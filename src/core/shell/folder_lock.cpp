// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "shell/error.h"
#include "shell/file_io.h"

namespace pentad {
namespace {

std::string readHolder(int fd) {
    std::string text;
    char buf[512];
    off_t offset = 0;
    for (;;) {
        ssize_t n = ::pread(fd, buf, sizeof buf, offset);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0 || text.size() > 4096) {
            break;
        }
        text.append(buf, static_cast<size_t>(n));
        offset += n;
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

void writeHolder(int fd, const std::string& holder) {
    if (::ftruncate(fd, 0) != 0) {
        return;
    }
    std::string line = holder + "\n";
    size_t done = 0;
    while (done < line.size()) {
        ssize_t n = ::pwrite(fd, line.data() + done, line.size() - done,
                             static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;  // the name of the holder is a courtesy; the lock holds without it
        }
        done += static_cast<size_t>(n);
    }
}

}  // namespace

FolderLock::~FolderLock() {
    release();
}

bool FolderLock::acquire(const std::string& folder, const std::string& holder,
                         double waitSeconds, std::string* heldBy) {
    release();
    const std::string path = joinPath(folder, kFolderLockName);
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        throw Error(systemErrorText(errno));
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(static_cast<long long>(waitSeconds * 1000.0));
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            writeHolder(fd, holder);
            m_fd = fd;
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            int e = errno;
            ::close(fd);
            throw Error(systemErrorText(e));
        }
        if (Clock::now() >= deadline) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (heldBy != nullptr) {
        *heldBy = readHolder(fd);
    }
    ::close(fd);
    return false;
}

void FolderLock::release() {
    if (m_fd >= 0) {
        [[maybe_unused]] int cleared = ::ftruncate(m_fd, 0);
        ::flock(m_fd, LOCK_UN);
        ::close(m_fd);
        m_fd = -1;
    }
}

}  // namespace pentad
