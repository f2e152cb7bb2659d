// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <random>
#include <set>

#include "shell/error.h"
#include "shell/messages.h"

namespace pentad {
namespace {

std::string errnoText(int code) {
    return systemErrorText(code, false);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    int release() {
        int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

}  // namespace

std::string systemErrorText(int code, bool withNumber, const std::string& fallback) {
    if (code == 0) {
        return format("%s.", fallback);
    }
    std::string text = std::strerror(code);
    if (withNumber) {
        return format("SysError #%d: \"%s\"!", code, text);
    }
    return format("\"%s\"!", text);
}

std::string readFileBytes(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        throw Error(errnoText(errno));
    }
    std::string out;
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0 && st.st_size > 0) {
        out.reserve(static_cast<size_t>(st.st_size));
    }
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw Error(errnoText(errno));
        }
        if (n == 0) {
            break;
        }
        out.append(buffer, static_cast<size_t>(n));
    }
    return out;
}

namespace {

// The temporary files of writeFileAtomic are named "~NAME.N.tmp" (N: up to
// six digits) and held under an exclusive flock() while they are written.
bool isOwnTempName(std::string_view name) {
    constexpr std::string_view kSuffix = ".tmp";
    if (name.size() < 1 + 1 + 1 + 1 + kSuffix.size() || name.front() != '~' ||
        name.substr(name.size() - kSuffix.size()) != kSuffix) {
        return false;
    }
    std::string_view stem = name.substr(1, name.size() - 1 - kSuffix.size());
    size_t dot = stem.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || stem.size() - dot - 1 > 6 ||
        dot + 1 == stem.size()) {
        return false;
    }
    for (char c : stem.substr(dot + 1)) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// True when `fd` is still the file at `path` (not unlinked or replaced).
bool stillAt(int fd, const std::string& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && open.st_nlink > 0 && ::stat(path.c_str(), &named) == 0 &&
           named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

// Removes the temporary files that writers killed before their rename left
// in the folder. A file some writer still holds is locked and stays.
void removeStaleTemps(const std::string& folder) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (!isOwnTempName(name)) {
            continue;
        }
        std::string path = joinPath(folder, name);
        FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
        struct stat st {};
        if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
            ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
            continue;
        }
        if (stillAt(fd.get(), path)) {
            ::unlink(path.c_str());
        }
    }
}

// Each folder is swept once per run, on its first write.
void sweepFolderOnce(const std::string& folder) {
    static std::mutex mutex;
    static std::set<std::string> swept;
    std::string key = std::filesystem::absolute(folder).lexically_normal().string();
    {
        std::lock_guard lock(mutex);
        if (!swept.insert(key).second) {
            return;
        }
    }
    removeStaleTemps(folder);
}

// Makes a rename in the folder durable.
void syncFolder(const std::string& folder) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) {
        // The new file is in place already; a folder that cannot be synced
        // (some network file systems) leaves it as safe as the system keeps it.
        ::fsync(fd.get());
    }
}

}  // namespace

void writeFileAtomic(const std::string& path, std::string_view bytes) {
    std::filesystem::path target(path);
    std::string folder = target.parent_path().string();
    if (folder.empty()) {
        folder = ".";
    }
    sweepFolderOnce(folder);
    std::random_device rd;
    std::string tmp;
    int opened = -1;
    // A fresh file of its own, locked against the sweep of another writer.
    for (int attempt = 0;; ++attempt) {
        tmp = joinPath(folder, "~" + target.filename().string() + "." +
                                   std::to_string(rd() % 1000000) + ".tmp");
        opened = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (opened < 0) {
            if (errno == EEXIST && attempt < 100) {
                continue;
            }
            throw Error(errnoText(errno));
        }
        if (::flock(opened, LOCK_EX) == 0 && stillAt(opened, tmp)) {
            break;
        }
        // swept away between the open and the lock: take another name
        ::close(opened);
        if (attempt >= 100) {
            throw Error(errnoText(EEXIST));
        }
    }
    FileDescriptor fd(opened);
    auto fail = [&](int code) {
        ::close(fd.release());
        ::unlink(tmp.c_str());
        throw Error(errnoText(code));
    };
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(errno);
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd.get()) != 0) {
        fail(errno);
    }
    // Keep the permissions of the file being replaced.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        ::fchmod(fd.get(), st.st_mode & 07777);
    }
    // The lock is held until the rename: the sweep never takes a file that
    // is about to become the real one.
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        fail(errno);
    }
    // the data is on disk already (fsync above); closing cannot lose it
    ::close(fd.release());
    syncFolder(folder);
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool folderExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int64_t fileSize(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
        return -1;
    }
    return static_cast<int64_t>(st.st_size);
}

bool deleteFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

void forceFolders(const std::string& path) {
    std::error_code ec;
    if (path.empty()) {
        throw Error(format(texts::kFolderNotFound, path));
    }
    std::filesystem::create_directories(path, ec);
    if (ec || !folderExists(path)) {
        throw Error(format(texts::kFolderNotFound, path));
    }
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    if (folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

}  // namespace pentad
