// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/static_files.h"

#include <algorithm>

namespace pentad::server {

namespace fs = std::filesystem;

std::optional<fs::path> resolveServedFile(const fs::path& root, std::string_view relative) {
    if (relative.empty()) {
        return std::nullopt;
    }
    fs::path candidate = root;
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = relative.find('/', start);
        if (end == std::string_view::npos) {
            end = relative.size();
        }
        std::string_view step = relative.substr(start, end - start);
        if (step.empty() || step.front() == '.' ||
            step.find_first_of(std::string_view("\\\0", 2)) != std::string_view::npos) {
            return std::nullopt;
        }
        candidate /= fs::path(std::string(step));
        start = end + 1;
    }
    std::error_code ec;
    fs::path realRoot = fs::canonical(root, ec);
    if (ec) {
        return std::nullopt;
    }
    fs::path realFile = fs::canonical(candidate, ec);
    if (ec || !fs::is_regular_file(realFile, ec)) {
        return std::nullopt;
    }
    // the file must lie below the root, step by step (a symbolic link may
    // have led elsewhere)
    auto [rootEnd, fileAt] = std::mismatch(realRoot.begin(), realRoot.end(), realFile.begin(),
                                           realFile.end());
    if (rootEnd != realRoot.end() || fileAt == realFile.end()) {
        return std::nullopt;
    }
    return realFile;
}

}  // namespace pentad::server
