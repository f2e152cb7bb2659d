// SPDX-License-Identifier: GPL-3.0-or-later
// Digits picked in the views as filter values: the selected cells of the draw
// card or the layout, or the selected columns of the weekday table, walked
// column by column (left to right) and, within a column, row by row (top to
// bottom), each value taken once. The keep/delete commands of the views cut
// the combination set by them with the digit statistic.
#pragma once

#include <string>
#include <vector>

namespace pentad {

class CombinationSet;
class DrawCard;
class FilterEngine;
class Shell;
struct LayoutGrid;

// A selected block of cells, bounds included.
struct CellRange {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
};

struct ViewValues {
    std::vector<int> values;
    std::string description;  // the values' texts joined by "; "
};

// Card cells: column 0 holds the draw number, column d + 1 the digit d.
// Cells outside the digit columns are not values.
ViewValues cardSelectionValues(const DrawCard& card, const std::vector<CellRange>& selection);
// Layout cells in the grid's own coordinates (no header row or column).
ViewValues layoutSelectionValues(const LayoutGrid& grid, const std::vector<CellRange>& selection);
// Weekday table columns: column d shows the digit d.
ViewValues weekSelectionValues(const std::vector<CellRange>& selection);

// The keep (`exclude` false) or delete command of a view: the undo copy, then
// the cut by the values with `caption` (the tab's caption) in the applied
// filter list. Failures, and a selection without values, are shown as error
// boxes. False when it failed.
bool filterByView(Shell& shell, CombinationSet& combs, FilterEngine& engine,
                  const ViewValues& values, const std::string& caption, bool exclude);

}  // namespace pentad
