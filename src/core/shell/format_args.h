// SPDX-License-Identifier: GPL-3.0-or-later
// Formatting of caption and code templates that use indexed items such as
// "{ %1:s } %0:s" or "Число в %0:d позиции тиража" next to plain "%d", "%s",
// "%.2d" and "%%".
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pentad {

using FormatArg = std::variant<long long, std::string>;

// Items: "%" [index ":"] ["-"] [width] ["." precision] type, type d or s (x,
// u also accepted as d). Without an index, items take the arguments in turn;
// an index sets the position of the next plain item. Missing arguments and
// unknown items are written as they stand.
std::string formatIndexed(std::string_view pattern, const std::vector<FormatArg>& args);

}  // namespace pentad
