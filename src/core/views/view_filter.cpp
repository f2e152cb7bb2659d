// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/view_filter.h"

#include <algorithm>

#include "filters/combination_set.h"
#include "filters/filter_engine.h"
#include "shell/shell.h"
#include "shell/text_utils.h"
#include "views/draw_card.h"
#include "views/layout_view.h"

namespace pentad {
namespace {

void addValue(ViewValues& out, int value, const std::string& text) {
    if (std::find(out.values.begin(), out.values.end(), value) != out.values.end()) {
        return;
    }
    out.values.push_back(value);
    if (!out.description.empty()) {
        out.description += "; ";
    }
    out.description += text;
}

// Calls `cell(row, column)` for every selected cell, column by column, a
// column's rows top to bottom; a cell selected twice is visited once. When
// `cell` returns false the rest of its column is skipped.
template <typename Visit>
void walkColumns(const std::vector<CellRange>& selection, int firstColumn, int lastColumn,
                 Visit cell) {
    for (int column = firstColumn; column <= lastColumn; ++column) {
        std::vector<std::pair<int, int>> spans;
        for (const CellRange& r : selection) {
            if (r.left <= column && column <= r.right && r.top <= r.bottom) {
                spans.emplace_back(r.top, r.bottom);
            }
        }
        std::sort(spans.begin(), spans.end());
        int next = -1;  // rows before it were visited
        bool more = true;
        for (auto span = spans.begin(); more && span != spans.end(); ++span) {
            for (int row = std::max(span->first, next); more && row <= span->second; ++row) {
                more = cell(row, column);
            }
            next = std::max(next, span->second + 1);
        }
    }
}

}  // namespace

ViewValues cardSelectionValues(const DrawCard& card, const std::vector<CellRange>& selection) {
    ViewValues out;
    walkColumns(selection, 1, kDigitCount, [&](int row, int column) {
        const int digit = column - 1;
        if (row < 0 || row >= card.rowCount() || !card.has(row, digit)) {
            return true;
        }
        addValue(out, digit, std::to_string(digit));
        // The rest of the column holds the same digit.
        return false;
    });
    return out;
}

ViewValues layoutSelectionValues(const LayoutGrid& grid, const std::vector<CellRange>& selection) {
    ViewValues out;
    walkColumns(selection, 0, grid.columnCount() - 1, [&](int row, int column) {
        if (row < 0 || row >= grid.rowCount()) {
            return true;
        }
        const std::string& text = grid.cell(row, column);
        if (text.empty()) {
            return true;
        }
        for (const std::string& word : splitAny(text, ",")) {
            std::string bare;
            for (char c : word) {
                if (c != '[' && c != ']') {
                    bare += c;
                }
            }
            bare = trim(bare);
            addValue(out, textToInt(bare), bare);
        }
        return true;
    });
    return out;
}

ViewValues weekSelectionValues(const std::vector<CellRange>& selection) {
    ViewValues out;
    for (int digit = 0; digit < kDigitCount; ++digit) {
        for (const CellRange& r : selection) {
            if (r.left <= digit && digit <= r.right && r.top <= r.bottom) {
                addValue(out, digit, std::to_string(digit));
                break;
            }
        }
    }
    return out;
}

bool filterByView(Shell& shell, CombinationSet& combs, FilterEngine& engine,
                  const ViewValues& values, const std::string& caption, bool exclude) {
    return shell.guard("%s", [&] {
        combs.SaveUndo(true);
        engine.FilterByValues(values.values, caption, values.description, exclude);
    });
}

}  // namespace pentad
