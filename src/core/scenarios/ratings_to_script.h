// SPDX-License-Identifier: GPL-3.0-or-later
// Turning rating rows back into scenario lines: a scenario stake's comment
// holds the line's prefix and comment, "@", the options and the resolved
// filters joined by " + ", which is enough to rebuild the line.
#pragma once

#include <optional>
#include <string>

namespace pentad {

class TStatList;

// The scenario line of a rating comment, or empty when it has no filter.
std::optional<std::string> ratingToScriptLine(const std::string& comment, const TStatList& list);

}  // namespace pentad
