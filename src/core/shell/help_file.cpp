// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/help_file.h"

#include <filesystem>
#include <vector>

#include "shell/data_folder.h"
#include "shell/file_io.h"

namespace pentad {

std::string locateHelpFile(const std::string& programDir, const std::string& language) {
    if (programDir.empty()) {
        return std::string();
    }
    std::string name = "Kestrel_" + language + ".chm";
    std::filesystem::path dir(programDir);
    std::vector<std::filesystem::path> candidates = {
        dir / name,
        dir / "help" / name,
        dir.parent_path() / "help" / name,
    };
    const std::string share = installedShareFolder(programDir);
    if (!share.empty()) {
        candidates.push_back(std::filesystem::path(share) / "help" / name);
    }
    for (const auto& c : candidates) {
        if (fileExists(c.string())) {
            return std::filesystem::absolute(c).lexically_normal().string();
        }
    }
    return std::string();
}

}  // namespace pentad
