// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics page without its widgets: the method choosers, the window
// length, the computed table with its sort order and row selection, and the
// result cache. The desktop program shows it; the filtering engine drives it
// the same way a user does.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/draw_archive.h"
#include "stats/prefetch.h"
#include "stats/stat_list.h"
#include "stats/stat_table.h"

namespace pentad {

class Shell;

class StatPage {
public:
    StatPage(Shell& shell, TStatList& list, const DrawArchive& archive, PrefetchStore& prefetchs);

    // Options read by Compute.
    bool PrefetchsEnabled = false;
    bool ShowTotalLine = true;
    bool SortedDraws = false;

    // ---- choosers ----
    // Refills the method chooser (entries that are enabled, visible and
    // shown) and the graph chooser (their graph methods), sorted by caption
    // when the list is Ordered. With keepSelection the previous positions
    // are selected again when still in range, else position 0.
    void FillChoosers(bool keepSelection);
    const std::vector<int>& choices() const { return m_choices; }          // entry per item
    const std::vector<int>& graphChoices() const { return m_graphChoices; }
    std::string choiceCaption(int item) const;
    int choiceIndex() const { return m_choice; }
    void setChoiceIndex(int item);
    int graphChoiceIndex() const { return m_graphChoice; }
    void setGraphChoiceIndex(int item) { m_graphChoice = item; }
    // Entry of the selected chooser item, -1 when none.
    int selectedEntry() const;
    // Selects the item of an entry; false when the entry is not offered.
    bool selectEntry(int entry);
    // Caption of the selected item ("" when none).
    std::string chooserText() const;

    int length() const { return m_length; }
    void setLength(int length);  // 1 .. 2147483647

    // ---- computation ----
    // Without force nothing happens when the draw count, offset, length and
    // chooser item are those of the last computation.
    void Compute(bool force);
    void ResetCache();
    void Clear();
    bool hasTable() const { return !m_cells.empty(); }
    const StatComputation& computation() const { return m_computation; }
    bool haveNorm() const { return m_computation.HaveNorm; }

    // ---- the table as shown ----
    int rowCount() const { return static_cast<int>(m_order.size()); }
    // Cells of display row r ("." as decimal point).
    const std::array<std::string, kStatColumns>& cells(int r) const;
    const TStatRow& row(int r) const;
    int sortColumn() const { return m_sortColumn; }
    bool sortDescending() const { return m_sortDescending; }
    void sortBy(int column, bool descending);

    const std::vector<int>& selection() const { return m_selection; }  // display rows
    void setSelection(std::vector<int> rows);
    void clearSelection() { m_selection.clear(); }
    // Copies of the selected rows' records, in display order.
    TStatDrawArray selectedRows() const;
    // Their value texts joined by "; ".
    std::string selectionDescription() const;

    // Bumped whenever the table content, order or selection changes.
    unsigned version() const { return m_version; }

private:
    void applySort();

    Shell& m_shell;
    TStatList& m_list;
    const DrawArchive& m_archive;
    PrefetchStore& m_prefetchs;
    std::vector<int> m_choices;
    std::vector<int> m_graphChoices;
    int m_choice = -1;
    int m_graphChoice = -1;
    int m_length = 1000;
    struct Cache {
        int draws = 0;
        int offset = 0;
        int length = 0;
        int choice = -1;
    } m_cache;
    StatComputation m_computation;
    std::vector<std::array<std::string, kStatColumns>> m_cells;
    std::vector<int> m_order;
    std::vector<int> m_selection;
    int m_sortColumn = 1;
    bool m_sortDescending = false;
    unsigned m_version = 0;
};

// Compares two table cells: numbers numerically, text after numbers.
int compareStatCells(const std::string& a, const std::string& b);

}  // namespace pentad
