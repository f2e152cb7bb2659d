// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/view_sheets.h"

#include "views/draw_card.h"
#include "views/layout_view.h"
#include "views/view_texts.h"

namespace pentad {

SheetTable cardSheet(const DrawCard& card) {
    SheetTable table;
    table.title = texts::kTabCard;
    table.headers.emplace_back();
    for (int d = 0; d < kDigitCount; ++d) {
        table.headers.push_back(std::to_string(d));
    }
    table.rows.reserve(static_cast<size_t>(card.rowCount()));
    for (int r = 0; r < card.rowCount(); ++r) {
        std::vector<std::string>& cells = table.rows.emplace_back();
        cells.reserve(kDigitCount + 1);
        cells.push_back(std::to_string(card.number(r)));
        for (int d = 0; d < kDigitCount; ++d) {
            cells.push_back(card.has(r, d) ? std::to_string(d) : std::string());
        }
    }
    return table;
}

SheetTable layoutSheet(const LayoutGrid& grid) {
    SheetTable table;
    table.title = texts::kTabLayout;
    table.headers.emplace_back();
    for (int32_t draw : grid.draws) {
        table.headers.push_back(std::to_string(draw));
    }
    for (int r = 0; r < grid.rowCount(); ++r) {
        std::vector<std::string>& cells = table.rows.emplace_back();
        cells.push_back(std::to_string(grid.counts[static_cast<size_t>(r)]));
        for (int c = 0; c < grid.columnCount(); ++c) {
            cells.push_back(grid.cell(r, c));
        }
    }
    return table;
}

}  // namespace pentad
