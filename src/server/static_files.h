// SPDX-License-Identifier: GPL-3.0-or-later
// Which file a "/files/..." address names inside the served folder. Only
// plain files below the folder are ever served: no "." or ".." steps, no
// hidden names, no backslashes, and no symbolic link leading outside.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace pentad::server {

// The file for `relative` (the decoded address after "/files/") inside
// `root`, or nullopt when the address is not allowed or names no regular
// file there.
std::optional<std::filesystem::path> resolveServedFile(const std::filesystem::path& root,
                                                       std::string_view relative);

}  // namespace pentad::server
