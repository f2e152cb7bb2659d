// SPDX-License-Identifier: GPL-3.0-or-later
// Graph method values and combination information for the information
// windows.
#include "info_rows.h"

#include <algorithm>
#include <string>

#include "game/routines.h"
#include "gui_texts.h"

namespace pentad {

void appendGraphValues(const TStatList& list, const std::array<uint8_t, kPositions>& digits,
                       int index, bool sorted, DrawInfo& info) {
    for (int i = 0; i < list.Count(); ++i) {
        const TStatMethod& method = list.Item(i);
        if (!method.Class->visible || !method.Class->isGraph) {
            continue;
        }
        std::unique_ptr<TCustomStat> stat = list.CreateStat(i);
        const int32_t value = stat->DigitsValue(digits, index, index, sorted);
        info.properties.emplace_back(method.DisplayCaption(), std::to_string(value));
    }
}

DrawInfo combinationInfo(Workspace& workspace, int row) {
    DrawInfo info;
    const CombinationSet& combs = workspace.combs();
    if (row < 0 || row >= combs.CombsCount()) {
        return info;
    }
    BusyScope busy(workspace.shell());
    const TCombRec& comb = combs.at(row);
    info.properties.emplace_back(texts::kCombInfoNumber, std::to_string(row + 1));
    info.properties.emplace_back(texts::kCombInfoDigits, CombToText(comb));
    const DrawArchive& archive = workspace.archive();
    appendGraphValues(workspace.stats(), comb.Digits,
                      std::max(0, archive.lastIndex() - archive.offset()),
                      workspace.form().SortedDraws, info);
    info.columns = std::clamp(workspace.config().MatrixCols, 1, 10);
    for (auto& cells : info.cells) {
        cells.assign(static_cast<size_t>(info.columns), -1);
    }
    for (int p = 0; p < kPositions && p < info.columns; ++p) {
        const int digit = comb.Digits[static_cast<size_t>(p)];
        if (digit <= 9) {
            info.cells[static_cast<size_t>(digit)][static_cast<size_t>(p)] = digit;
        }
    }
    return info;
}

}  // namespace pentad
