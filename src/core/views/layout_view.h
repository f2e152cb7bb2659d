// SPDX-License-Identifier: GPL-3.0-or-later
// The layout ("Схема выпадения номеров"): every digit drawn in a window of
// recent draws placed by how often it was drawn (rows, most frequent first)
// and by the newest draw that holds it (columns, newest first), so that
// frequent and recent digits gather in one corner; and the five comparison
// lists that show, for five window lengths side by side, which digits were
// drawn how many times. Both honour the analysis offset.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/draw_archive.h"
#include "game/records.h"
#include "views/view_window.h"

namespace pentad {

class Shell;

// One entry per digit drawn in the window, in order of first appearance
// walking from the newest draw of the window to the oldest (positions 1..5
// within a draw): the digit, how often it was drawn (repeats inside a draw
// included) and the number of the newest draw holding it.
TShemaArray digitTally(const TDrawsArray& draws, DrawWindow window);

inline constexpr uint32_t kLayoutHiddenColor = 0x00FF00;
inline constexpr uint32_t kLayoutChequerOne = 0xFFEAEA;
inline constexpr uint32_t kLayoutChequerOther = 0xEAFFEA;

// The layout grid without its headers: row i holds the i-th count, column j
// the j-th draw number. A cell holds its digits joined by ", ", a digit of
// the first hidden draw written between "[" and "]".
struct LayoutGrid {
    std::vector<int32_t> counts;  // distinct counts, descending
    std::vector<int32_t> draws;   // distinct last-draw numbers, descending
    std::vector<std::string> cells;

    int rowCount() const { return static_cast<int>(counts.size()); }
    int columnCount() const { return static_cast<int>(draws.size()); }
    bool empty() const { return cells.empty(); }
    const std::string& cell(int row, int column) const {
        return cells[static_cast<size_t>(row * columnCount() + column)];
    }
};

LayoutGrid buildLayout(const TShemaArray& tally, const std::bitset<256>& hiddenDigits);

// Background of a cell as RGB: green for a cell holding a hidden-draw digit,
// else the gradient (when `gradient`) or the chequer of 5 x 5 blocks. The
// rule counts rows and columns as the grid with its header row and column.
uint32_t layoutCellColor(const LayoutGrid& grid, int row, int column, bool gradient);

// One comparison list: the caption of its second column (the window as
// "<first draw number> - <last draw number>") and one row per distinct count
// with the digits of that count joined by ", ", in order of first appearance.
struct CompareList {
    std::string caption;
    std::vector<std::pair<int32_t, std::string>> rows;
};

CompareList buildCompareList(const DrawArchive& archive, int length);

inline constexpr int kCompareLists = 5;

// The layout tab without its widgets: the window lengths, the layout and the
// comparison lists, each rebuilt only when what it depends on changed.
class LayoutPage {
public:
    LayoutPage(Shell& shell, const DrawArchive& archive);

    int length = 100;
    std::array<int, kCompareLists> compareLengths = {50, 100, 200, 300, 400};

    // Rebuilds the layout when forced, or when the number of draws, the
    // offset or the length changed since the last build. True when rebuilt.
    bool refreshLayout(bool force);
    // Rebuilds the five lists when forced, or when the number of draws or the
    // offset changed. True when rebuilt.
    bool refreshCompare(bool force);
    // The draws changed in place: the next refreshes rebuild.
    void invalidate();

    const LayoutGrid& grid() const { return m_grid; }
    const std::array<CompareList, kCompareLists>& lists() const { return m_lists; }

private:
    Shell& m_shell;
    const DrawArchive& m_archive;
    LayoutGrid m_grid;
    std::array<CompareList, kCompareLists> m_lists;
    WindowKey m_layoutKey;
    WindowKey m_compareKey;  // its lengths apply when forced
};

}  // namespace pentad
