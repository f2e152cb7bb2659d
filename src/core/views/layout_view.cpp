// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/layout_view.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "shell/error.h"
#include "shell/shell.h"
#include "views/view_texts.h"

namespace pentad {
namespace {

// Rows and columns 0..95 whose last decimal digit is 1..5 make the blocks of
// the chequer.
bool inChequerBlock(int n) {
    return n >= 0 && n <= 95 && n % 10 >= 1 && n % 10 <= 5;
}

int roundEven(long double v) {
    return static_cast<int>(std::nearbyint(v));
}

std::vector<int32_t> distinctDescending(std::vector<int32_t> values) {
    std::sort(values.begin(), values.end(), std::greater<>());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

size_t indexOf(const std::vector<int32_t>& values, int32_t v) {
    return static_cast<size_t>(std::find(values.begin(), values.end(), v) - values.begin());
}

}  // namespace

TShemaArray digitTally(const TDrawsArray& draws, DrawWindow window) {
    TShemaArray tally;
    std::array<int, kDigitCount> at;
    at.fill(-1);
    for (int i = window.last; i >= window.first && i >= 0; --i) {
        const TDrawRec& d = draws[static_cast<size_t>(i)];
        for (uint8_t digit : d.Digits) {
            if (digit >= kDigitCount) {
                continue;
            }
            int& slot = at[digit];
            if (slot < 0) {
                slot = static_cast<int>(tally.size());
                tally.push_back({digit, 0, d.Number});
            }
            ++tally[static_cast<size_t>(slot)].Count;
        }
    }
    return tally;
}

LayoutGrid buildLayout(const TShemaArray& tally, const std::bitset<256>& hiddenDigits) {
    LayoutGrid grid;
    std::vector<int32_t> counts;
    std::vector<int32_t> draws;
    for (const TShemaRec& r : tally) {
        counts.push_back(r.Count);
        draws.push_back(r.LastDraw);
    }
    grid.counts = distinctDescending(std::move(counts));
    grid.draws = distinctDescending(std::move(draws));
    grid.cells.resize(grid.counts.size() * grid.draws.size());
    for (const TShemaRec& r : tally) {
        std::string& cell = grid.cells[indexOf(grid.counts, r.Count) * grid.draws.size() +
                                       indexOf(grid.draws, r.LastDraw)];
        if (!cell.empty()) {
            cell += ", ";
        }
        const std::string digit = std::to_string(r.Digit);
        cell += hiddenDigits.test(r.Digit) ? "[" + digit + "]" : digit;
    }
    return grid;
}

uint32_t layoutCellColor(const LayoutGrid& grid, int row, int column, bool gradient) {
    if (grid.cell(row, column).find('[') != std::string::npos) {
        return kLayoutHiddenColor;
    }
    // Grid coordinates: the header row and column come first.
    const int r = row + 1;
    const int c = column + 1;
    if (gradient) {
        const long double rows = grid.rowCount() + 1;
        const long double columns = grid.columnCount() + 1;
        const int red = roundEven(255 - r * 155.0L / rows);
        const int green = roundEven(255 - c * 155.0L / columns);
        const int blue = roundEven(r * 155.0L / rows + 100);
        return static_cast<uint32_t>(red << 16 | green << 8 | blue);
    }
    return inChequerBlock(r) != inChequerBlock(c) ? kLayoutChequerOne : kLayoutChequerOther;
}

CompareList buildCompareList(const DrawArchive& archive, int length) {
    CompareList list;
    const DrawWindow window = analysisWindow(archive, length);
    if (window.empty()) {
        return list;
    }
    const TDrawsArray& draws = archive.draws();
    list.caption = format("%d - %d", draws[static_cast<size_t>(window.first)].Number,
                          draws[static_cast<size_t>(window.last)].Number);
    for (const TShemaRec& r : digitTally(draws, window)) {
        auto row = std::find_if(list.rows.begin(), list.rows.end(),
                                [&](const auto& existing) { return existing.first == r.Count; });
        if (row != list.rows.end()) {
            row->second += ", " + std::to_string(r.Digit);
        } else {
            list.rows.emplace_back(r.Count, std::to_string(r.Digit));
        }
    }
    return list;
}

LayoutPage::LayoutPage(Shell& shell, const DrawArchive& archive)
    : m_shell(shell), m_archive(archive) {}

bool LayoutPage::refreshLayout(bool force) {
    const WindowKey key = windowKey(m_archive, length);
    if (!force && key == m_layoutKey) {
        return false;
    }
    OperationScope op(m_shell, texts::kStatusLayout);
    m_layoutKey = key;
    m_grid = buildLayout(digitTally(m_archive.draws(), analysisWindow(m_archive, length)),
                         m_archive.hiddenDigits());
    return true;
}

bool LayoutPage::refreshCompare(bool force) {
    const WindowKey key = windowKey(m_archive, 0);
    if (!force && key == m_compareKey) {
        return false;
    }
    OperationScope op(m_shell, texts::kStatusLayout);
    m_compareKey = key;
    for (size_t i = 0; i < m_lists.size(); ++i) {
        m_lists[i] = buildCompareList(m_archive, compareLengths[i]);
    }
    return true;
}

void LayoutPage::invalidate() {
    m_layoutKey = WindowKey{};
    m_compareKey = WindowKey{};
}

}  // namespace pentad
