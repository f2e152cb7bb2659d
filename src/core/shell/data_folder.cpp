// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/data_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "shell/cp1251.h"
#include "shell/file_io.h"

namespace pentad {

std::string programFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return std::string();
    }
    return exe.parent_path().string();
}

std::string chooseDataFolder(const std::optional<std::string>& explicitDir,
                             const char* environmentDir, const std::string& programDir,
                             bool programDirWritable, const char* xdgDataHome,
                             const char* home) {
    if (explicitDir && !explicitDir->empty()) {
        return *explicitDir;
    }
    if (environmentDir != nullptr && *environmentDir != '\0') {
        return environmentDir;
    }
    if (!programDir.empty() && programDirWritable) {
        return programDir;
    }
    if (xdgDataHome != nullptr && *xdgDataHome != '\0') {
        return joinPath(xdgDataHome, kBaseName);
    }
    return joinPath(joinPath(home != nullptr ? home : ".", ".local/share"), kBaseName);
}

std::string installedShareFolder(const std::string& programDir) {
    if (programDir.empty()) {
        return std::string();
    }
    std::filesystem::path bin(programDir);
    if (bin.filename().empty()) {
        bin = bin.parent_path();
    }
    if (bin.filename() != "bin") {
        return std::string();
    }
    const std::string share = (bin.parent_path() / "share" / "pentad").string();
    return folderExists(share) ? share : std::string();
}

std::string resolveDataFolder(const std::optional<std::string>& explicitDir) {
    std::string program = programFolder();
    // An installed copy keeps its data with the user, even where it could
    // write beside the program.
    bool writable = !program.empty() && ::access(program.c_str(), W_OK) == 0 &&
                    installedShareFolder(program).empty();
    std::string folder = chooseDataFolder(explicitDir, std::getenv("PENTAD_DIR"), program,
                                          writable, std::getenv("XDG_DATA_HOME"),
                                          std::getenv("HOME"));
    forceFolders(folder);
    return folder;
}

bool hasCommandWord(const std::vector<std::string>& args, const std::string& word) {
    for (const std::string& arg : args) {
        for (const char* prefix : {"", "-", "--", "/", "\\"}) {
            if (sameTextNoCase(arg, std::string(prefix) + word)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace pentad
