// SPDX-License-Identifier: GPL-3.0-or-later
// What the information windows list beyond the draw itself: the value of
// every visible graph method for a set of digits, and the information of a
// combination of the set, laid out as the draw information window shows it.
#pragma once

#include <array>
#include <cstdint>

#include "game/records.h"
#include "app/workspace.h"

namespace pentad {

// Appends one property per visible graph method of the list, in list
// order: its caption and its value for `digits`, computed with `index` as
// both the current and the latest draw index.
void appendGraphValues(const TStatList& list, const std::array<uint8_t, kPositions>& digits,
                       int index, bool sorted, DrawInfo& info);

// The combination of list row `row`: its row number and digits, the graph
// method values against the draw at the analysis offset, and the digit grid.
DrawInfo combinationInfo(Workspace& workspace, int row);

}  // namespace pentad
