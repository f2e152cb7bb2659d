// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/self_update.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "online/update_texts.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/ini_file.h"
#include "shell/interface_language.h"
#include "shell/shell.h"

extern char** environ;

namespace pentad {
namespace fs = std::filesystem;

namespace {

constexpr int kSearchSteps = 5;
constexpr int kInstallSteps = 14;
constexpr int kFetchAttempts = 3;

bool startsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

bool isHttpsAddress(const std::string& address) { return startsWith(address, "https://"); }

bool isNetworkAddress(const std::string& address) {
    return startsWith(address, "http://") || isHttpsAddress(address);
}

// ";"-separated names, blanks around each trimmed, empty ones left out.
std::vector<std::string> splitNames(const std::string& list) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(';', start);
        if (end == std::string::npos) {
            end = list.size();
        }
        std::string name = list.substr(start, end - start);
        const size_t first = name.find_first_not_of(" \t");
        const size_t last = name.find_last_not_of(" \t");
        if (first != std::string::npos) {
            names.push_back(name.substr(first, last - first + 1));
        }
        start = end + 1;
    }
    return names;
}

// A name from the description stays inside its folder: relative, without a
// ".." part (either separator counts).
void requireConfinedName(const std::string& name) {
    bool bad = name.empty() || name[0] == '/' || name[0] == '\\' ||
               name.find('\0') != std::string::npos || name.find(':') != std::string::npos;
    size_t start = 0;
    while (!bad && start <= name.size()) {
        size_t end = name.find_first_of("/\\", start);
        if (end == std::string::npos) {
            end = name.size();
        }
        if (name.compare(start, end - start, "..") == 0) {
            bad = true;
        }
        start = end + 1;
    }
    if (bad) {
        throw Error(format(texts::kUpdateBadName, name));
    }
}

std::string errnoText(int code) { return systemErrorText(code, true); }

// The lists of both sections in the order they are worked through.
std::vector<std::string> bothLists(const std::string& global, const std::string& own) {
    std::vector<std::string> names = splitNames(global);
    for (std::string& name : splitNames(own)) {
        names.push_back(std::move(name));
    }
    return names;
}

// Every description name checked before anything is fetched, run or deleted.
void requireSafeDescription(const TUpdateVersionData& d) {
    requireConfinedName(d.OriginalFileName);
    // The version text becomes part of file names.
    if (d.VerId.find_first_of("/\\") != std::string::npos || d.VerId == "..") {
        throw Error(format(texts::kUpdateBadName, d.VerId));
    }
    for (const std::string* list :
         {&d.GlobalDeleteAfter, &d.GlobalDeleteBefore, &d.GlobalExecAfter, &d.GlobalExecBefore,
          &d.DeleteAfter, &d.DeleteBefore, &d.ExecAfter, &d.ExecBefore}) {
        for (const std::string& name : splitNames(*list)) {
            requireConfinedName(name);
        }
    }
    if (d.ChecksumCRC32.empty() && isNetworkAddress(d.DownloadUrl) &&
        !isHttpsAddress(d.DownloadUrl)) {
        throw Error(format(texts::kUpdateUncheckedPackage, d.DownloadUrl));
    }
}

// Copies a file through a temporary file beside the target, keeping the
// permission bits of the source (packages carry executables).
void copyFileAtomic(const fs::path& source, const fs::path& target) {
    writeFileAtomic(target.string(), readFileBytes(source.string()));
    std::error_code ec;
    fs::permissions(target, fs::status(source).permissions(), fs::perm_options::replace, ec);
}

// True when the file is an executable some process runs right now: it
// cannot be opened for writing.
bool fileInUse(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    return errno == ETXTBSY;
}

void removeTree(const std::string& path) {
    std::error_code ec;
    fs::remove_all(path, ec);
}

}  // namespace

int buildNumber(const std::string& version) {
    int part = 0;
    size_t start = 0;
    while (start <= version.size()) {
        size_t end = version.find_first_of(",-._", start);
        if (end == std::string::npos) {
            end = version.size();
        }
        if (part == 3) {
            const std::string text = version.substr(start, end - start);
            if (text.empty() || text.size() > 9 ||
                !std::all_of(text.begin(), text.end(),
                             [](char c) { return c >= '0' && c <= '9'; })) {
                return 0;
            }
            return std::stoi(text);
        }
        ++part;
        start = end + 1;
    }
    return 0;
}

std::string fileCrc32Text(const std::string& path) {
    const std::string bytes = readFileBytes(path);
    uLong crc = crc32(0L, Z_NULL, 0);
    size_t done = 0;
    while (done < bytes.size()) {
        const size_t chunk = std::min<size_t>(bytes.size() - done, 1u << 30);
        crc = crc32(crc, reinterpret_cast<const Bytef*>(bytes.data() + done),
                    static_cast<uInt>(chunk));
        done += chunk;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(crc & 0xFFFFFFFFUL));
    return text;
}

std::string inUseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot <= nameStart) {
        return path + ".~";
    }
    return path.substr(0, dot) + ".~" + path.substr(dot + 1);
}

TUpdateVersionData readUpdateDescription(const std::string& path, const std::string& programName,
                                         const std::string& ownVersion) {
    IniFile ini(path);
    const std::string& p = programName;
    const char* g = kUpdateGlobalSection;
    TUpdateVersionData d;
    d.VerId = ini.readString(p, "VerId", ownVersion);
    d.Description = ini.readString(p, "Description", std::string());
    d.DownloadUrl = ini.readString(p, "DownloadUrl", std::string());
    d.OriginalFileName = ini.readString(p, "OriginalFileName", std::string());
    d.ChecksumCRC32 = ini.readString(p, "ChecksumCRC32", std::string());
    d.GlobalDeleteAfter = ini.readString(g, "DeleteAfter", std::string());
    d.GlobalDeleteBefore = ini.readString(g, "DeleteBefore", std::string());
    d.GlobalExecAfter = ini.readString(g, "ExecAfter", std::string());
    d.GlobalExecBefore = ini.readString(g, "ExecBefore", std::string());
    d.DeleteAfter = ini.readString(p, "DeleteAfter", std::string());
    d.DeleteBefore = ini.readString(p, "DeleteBefore", std::string());
    d.ExecAfter = ini.readString(p, "ExecAfter", std::string());
    d.ExecBefore = ini.readString(p, "ExecBefore", std::string());
    return d;
}

SelfUpdate::SelfUpdate(Shell& shell, SelfUpdateSetup setup)
    : m_shell(shell), m_setup(std::move(setup)) {
    m_work = joinPath(m_setup.programFolder, kUpdateWorkFolder);
    if (!m_setup.http.pump) {
        m_setup.http.pump = [this] { return m_shell.processEvents(); };
    }
}

int SelfUpdate::run(const std::string& address, bool silent, const OfferFn& offer) {
    try {
        std::optional<UpdateOffer> found;
        try {
            found = search(address);
        } catch (const Error& e) {
            if (!silent) {
                m_shell.error(format(texts::kUpdateSearchFailed, std::string(e.what())));
            }
            return kUpdateFailed;
        }
        if (!found) {
            if (!silent) {
                m_shell.information(texts::kUpdateNotFound);
            }
            return kUpdateNothing;
        }
        if (!offer || !offer(*found)) {
            return kUpdateNothing;
        }
        try {
            install(*found);
        } catch (const Error& e) {
            m_shell.error(format(texts::kUpdateInstallFailed, std::string(e.what())));
            return kUpdateFailed;
        }
        m_shell.attention(format(texts::kUpdateInstalled, found->data.Description));
        return kUpdateInstalled;
    } catch (const std::exception& e) {
        m_shell.error(format(texts::kUpdateSystemFailed, std::string(e.what())));
        return kUpdateFailed;
    }
}

std::optional<UpdateOffer> SelfUpdate::search(const std::string& address) {
    const std::string infPath = joinPath(m_setup.programFolder, kUpdateInfName);
    struct InfCleanup {
        std::string path;
        ~InfCleanup() { deleteFile(path); }
    } cleanup{infPath};

    BusyScope busy(m_shell);
    ProgressScope progress(m_shell, texts::kUpdateSearching, kSearchSteps);

    // 1. Leftovers of files that were in use at the last installation.
    std::error_code ec;
    for (fs::directory_iterator it(m_setup.programFolder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.find(".~") != std::string::npos && !it->is_directory(ec)) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
    m_shell.stepProgress();

    // 2. The program's own version.
    const std::string& own = m_setup.ownVersion;
    m_shell.stepProgress();

    // 3. The description.
    fetch(address, infPath);
    m_shell.stepProgress();

    // 4. The entry of this program.
    UpdateOffer offer;
    offer.data = readUpdateDescription(infPath, m_setup.programName, own);
    m_shell.stepProgress();

    // 5. The decision and the text of the new version.
    if (buildNumber(own) >= buildNumber(offer.data.VerId) || offer.data.DownloadUrl.empty()) {
        return std::nullopt;
    }
    requireSafeDescription(offer.data);
    offer.descriptionText = fetchDescriptionText(address, offer.data.VerId);
    m_shell.stepProgress();
    return offer;
}

void SelfUpdate::fetch(const std::string& address, const std::string& path) {
    if (isNetworkAddress(address)) {
        httpGetToFile(address, path, m_setup.http);
        return;
    }
    copyFileAtomic(address, path);
}

std::string SelfUpdate::fetchDescriptionText(const std::string& address,
                                             const std::string& verId) {
    std::string base;
    if (isNetworkAddress(address)) {
        base = address.substr(0, address.find_last_of('/') + 1) + "UpdDescr/";
    } else {
        const size_t slash = address.find_last_of('/');
        base = (slash == std::string::npos ? std::string() : address.substr(0, slash + 1)) +
               "UpdDescr/";
    }
    const int lcid = m_setup.language;
    const std::string candidates[] = {
        format("UpdDescr_%s_%s.txt", languageAbbreviation(lcid), verId),
        format("UpdDescr_%d_%s.txt", lcid, verId),
        format("UpdDescr_%s.txt", verId),
    };
    const std::string local = joinPath(m_setup.programFolder, format("UpdDescr_%s.txt", verId));
    for (const std::string& name : candidates) {
        try {
            fetch(base + name, local);
            std::string text = cp1251ToUtf8(readFileBytes(local));
            deleteFile(local);
            return text;
        } catch (const Error&) {
            deleteFile(local);
        }
    }
    return texts::kUpdateNoDescription;
}

void SelfUpdate::install(const UpdateOffer& offer) {
    const TUpdateVersionData& d = offer.data;
    requireSafeDescription(d);

    BusyScope busy(m_shell);
    ProgressScope progress(m_shell, format(texts::kUpdateInstalling, d.VerId), kInstallSteps);

    // 1. A fresh work folder.
    removeTree(m_work);
    forceFolders(m_work);
    m_shell.stepProgress();

    // 2. The package, checked, in up to three attempts.
    const std::string packagePath = joinPath(m_work, format("SelfUpdate_%s.upd", d.VerId));
    for (int attempt = 1;; ++attempt) {
        try {
            fetchPackage(d, packagePath);
            break;
        } catch (const Error&) {
            if (attempt >= kFetchAttempts) {
                throw;
            }
        }
    }
    m_shell.stepProgress();

    // 3. The package under its own name.
    const std::string runPath = joinPath(m_work, d.OriginalFileName);
    std::error_code ec;
    fs::rename(packagePath, runPath, ec);
    if (ec) {
        throw Error(errnoText(ec.value()));
    }
    if (!fileExists(runPath)) {
        throw Error(format(texts::kUpdateFileNotFound, runPath));
    }
    m_shell.stepProgress();

    // 4. The package unpacks itself into the work folder.
    runProgram(runPath);
    m_shell.stepProgress();

    // 5. The run file goes; a program that just ended may hold it a moment.
    for (int tries = 0; fileExists(runPath); ++tries) {
        if (deleteFile(runPath)) {
            break;
        }
        if (tries >= 100) {
            throw Error(errnoText(errno));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    m_shell.stepProgress();

    // 6. Something must have been unpacked.
    if (fs::is_empty(m_work, ec)) {
        throw Error(format(texts::kUpdateFileNotFound, joinPath(m_work, "*.*")));
    }
    m_shell.stepProgress();

    // 7.-11. Clean-up before, helpers before, the copy, helpers after, clean-up after.
    deleteList(bothLists(d.GlobalDeleteBefore, d.DeleteBefore));
    m_shell.stepProgress();
    runList(bothLists(d.GlobalExecBefore, d.ExecBefore));
    m_shell.stepProgress();
    copyIntoProgramFolder();
    m_shell.stepProgress();
    runList(bothLists(d.GlobalExecAfter, d.ExecAfter));
    m_shell.stepProgress();
    deleteList(bothLists(d.GlobalDeleteAfter, d.DeleteAfter));
    m_shell.stepProgress();

    // 12. Done; the work folder is no longer needed.
    removeTree(m_work);
    m_shell.stepProgress();
}

void SelfUpdate::fetchPackage(const TUpdateVersionData& d, const std::string& packagePath) {
    deleteFile(packagePath);
    fetch(d.DownloadUrl, packagePath);
    if (!fileExists(packagePath)) {
        throw Error(format(texts::kUpdateFileNotFound, packagePath));
    }
    if (!d.ChecksumCRC32.empty() && !sameTextNoCase(fileCrc32Text(packagePath), d.ChecksumCRC32)) {
        throw Error(texts::kUpdateBadChecksum);
    }
}

void SelfUpdate::runProgram(const std::string& path) {
    ::chmod(path.c_str(), 0755);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, m_work.c_str());
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Its own process group, so a package that overstays goes with its children.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    std::string arg0 = path;
    char* argv[] = {arg0.data(), nullptr};
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, path.c_str(), &actions, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (rc != 0) {
        throw Error(errnoText(rc));
    }
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(m_setup.runLimitMs);
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            break;
        }
        if (done < 0 && errno != EINTR) {
            throw Error(errnoText(errno));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(-pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            throw Error(format(texts::kUpdateRunTimeout, fs::path(path).filename().string(),
                               m_setup.runLimitMs / 1000));
        }
        m_shell.processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (code != 0) {
        throw Error(format(texts::kUpdateRunExitCode, fs::path(path).filename().string(), code));
    }
}

void SelfUpdate::runList(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        const std::string path = joinPath(m_work, name);
        if (fileExists(path)) {
            runProgram(path);
        }
    }
}

void SelfUpdate::deleteList(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        const std::string path = joinPath(m_setup.programFolder, name);
        if (fileExists(path) && !deleteFile(path)) {
            throw Error(errnoText(errno));
        }
    }
}

void SelfUpdate::copyIntoProgramFolder() {
    // Files in a fixed order, so a failure leaves a known state.
    std::vector<fs::path> sources;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(m_work)) {
        if (entry.is_regular_file()) {
            sources.push_back(entry.path());
        }
    }
    std::sort(sources.begin(), sources.end());

    struct Replaced {
        std::string target;
        std::string backup;  // empty: the file is new
        bool inUse = false;
    };
    std::vector<Replaced> done;
    try {
        for (const fs::path& source : sources) {
            Replaced r;
            r.target = joinPath(m_setup.programFolder, fs::relative(source, m_work).string());
            forceFolders(fs::path(r.target).parent_path().string());
            if (fs::exists(fs::symlink_status(r.target))) {
                // The old file steps aside under its ".~" name; it is put
                // back when the copy fails, and kept until the next search
                // when a running program holds it.
                r.inUse = fileInUse(r.target);
                r.backup = inUseName(r.target);
                std::error_code ec;
                fs::remove(r.backup, ec);
                fs::rename(r.target, r.backup, ec);
                if (ec) {
                    throw Error(format(texts::kUpdateCopyFailed, r.target, errnoText(ec.value())));
                }
            }
            done.push_back(r);
            try {
                copyFileAtomic(source, r.target);
            } catch (const Error& e) {
                throw Error(format(texts::kUpdateCopyFailed, r.target, std::string(e.what())));
            }
        }
    } catch (const Error& e) {
        for (auto it = done.rbegin(); it != done.rend(); ++it) {
            std::error_code ec;
            fs::remove(it->target, ec);
            if (!it->backup.empty()) {
                fs::rename(it->backup, it->target, ec);
            }
        }
        throw Error(std::string(texts::kUpdateCopyTitle) + " - " + e.what());
    }
    for (const Replaced& r : done) {
        if (!r.backup.empty() && !r.inUse) {
            std::error_code ec;
            fs::remove(r.backup, ec);
        }
    }
}

}  // namespace pentad
