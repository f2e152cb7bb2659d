// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

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

void writeFileAtomic(const std::string& path, std::string_view bytes) {
    std::filesystem::path target(path);
    std::string folder = target.parent_path().string();
    if (folder.empty()) {
        folder = ".";
    }
    std::random_device rd;
    std::string tmp = joinPath(folder, "~" + target.filename().string() + "." +
                                           std::to_string(rd() % 1000000) + ".tmp");
    FileDescriptor fd(::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
        throw Error(errnoText(errno));
    }
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
    if (::close(fd.release()) != 0) {
        int code = errno;
        ::unlink(tmp.c_str());
        throw Error(errnoText(code));
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        int code = errno;
        ::unlink(tmp.c_str());
        throw Error(errnoText(code));
    }
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
