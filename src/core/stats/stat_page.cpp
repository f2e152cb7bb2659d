// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/stat_page.h"

#include <algorithm>

#include "shell/error.h"
#include "shell/shell.h"
#include "shell/text_utils.h"
#include "stats/stat_texts.h"

namespace pentad {

StatPage::StatPage(Shell& shell, TStatList& list, const DrawArchive& archive,
                   PrefetchStore& prefetchs)
    : m_shell(shell), m_list(list), m_archive(archive), m_prefetchs(prefetchs) {}

void StatPage::FillChoosers(bool keepSelection) {
    int choice = keepSelection ? m_choice : 0;
    int graphChoice = keepSelection ? m_graphChoice : 0;
    m_choices.clear();
    m_graphChoices.clear();
    for (int i = 0; i < m_list.Count(); ++i) {
        const StatClass* cls = m_list.Item(i).Class;
        if (!cls->enabled || !cls->visible || !m_list.IsShown(i)) {
            continue;
        }
        m_choices.push_back(i);
        if (cls->isGraph) {
            m_graphChoices.push_back(i);
        }
    }
    if (m_list.Ordered) {
        auto byCaption = [&](int a, int b) {
            return m_list.ListCaption(a, true) < m_list.ListCaption(b, true);
        };
        std::stable_sort(m_choices.begin(), m_choices.end(), byCaption);
        std::stable_sort(m_graphChoices.begin(), m_graphChoices.end(), byCaption);
    }
    auto clampChoice = [](int c, size_t n) {
        return n == 0 ? -1 : (c >= 0 && c < static_cast<int>(n) ? c : 0);
    };
    m_choice = clampChoice(choice, m_choices.size());
    m_graphChoice = clampChoice(graphChoice, m_graphChoices.size());
    ++m_version;
}

std::string StatPage::choiceCaption(int item) const {
    return m_list.ListCaption(m_choices[static_cast<size_t>(item)], true);
}

void StatPage::setChoiceIndex(int item) {
    m_choice = (item >= 0 && item < static_cast<int>(m_choices.size())) ? item : -1;
}

int StatPage::selectedEntry() const {
    return m_choice >= 0 && m_choice < static_cast<int>(m_choices.size())
               ? m_choices[static_cast<size_t>(m_choice)]
               : -1;
}

bool StatPage::selectEntry(int entry) {
    for (size_t i = 0; i < m_choices.size(); ++i) {
        if (m_choices[i] == entry) {
            m_choice = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

std::string StatPage::chooserText() const {
    return m_choice >= 0 ? choiceCaption(m_choice) : std::string();
}

void StatPage::setLength(int length) {
    m_length = std::max(1, length);
}

void StatPage::ResetCache() {
    m_cache = Cache{};
}

void StatPage::Clear() {
    m_computation = StatComputation{};
    m_cells.clear();
    m_order.clear();
    m_selection.clear();
    ++m_version;
}

void StatPage::Compute(bool force) {
    Cache now{m_archive.count(), m_archive.offset(), m_length, m_choice};
    if (!force && now.draws == m_cache.draws && now.offset == m_cache.offset &&
        now.length == m_cache.length && now.choice == m_cache.choice) {
        return;
    }
    m_cache = now;
    Clear();
    if (m_choices.empty() || m_choice < 0 || m_archive.empty()) {
        return;
    }
    OperationScope op(m_shell, texts::kStatusComputing);
    int entry = selectedEntry();
    std::optional<PrefetchData> prefetch;
    if (PrefetchsEnabled) {
        prefetch = m_prefetchs.open(m_list, entry);
    }
    m_computation = computeStatistic(m_list, entry, m_archive, m_length, SortedDraws,
                                     prefetch ? &*prefetch : nullptr, ShowTotalLine);
    CdlWeights w = m_list.weights();
    m_cells.reserve(m_computation.rows.size());
    for (size_t i = 0; i < m_computation.rows.size(); ++i) {
        m_cells.push_back(statCells(m_computation, i, w));
    }
    m_order.resize(m_cells.size());
    for (size_t i = 0; i < m_order.size(); ++i) {
        m_order[i] = static_cast<int>(i);
    }
    applySort();
}

const std::array<std::string, kStatColumns>& StatPage::cells(int r) const {
    return m_cells[static_cast<size_t>(m_order[static_cast<size_t>(r)])];
}

const TStatRow& StatPage::row(int r) const {
    return m_computation.rows[static_cast<size_t>(m_order[static_cast<size_t>(r)])];
}

int compareStatCells(const std::string& a, const std::string& b) {
    long double x = 0;
    long double y = 0;
    bool nx = parseReal(a, x);
    bool ny = parseReal(b, y);
    if (nx && ny) {
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (nx != ny) {
        return nx ? 1 : -1;  // text such as "-" sorts below numbers
    }
    return a < b ? -1 : (a > b ? 1 : 0);
}

void StatPage::sortBy(int column, bool descending) {
    m_sortColumn = std::clamp(column, 0, kStatColumns - 1);
    m_sortDescending = descending;
    m_selection.clear();
    applySort();
}

void StatPage::applySort() {
    const size_t col = static_cast<size_t>(m_sortColumn);
    std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        int c = compareStatCells(m_cells[static_cast<size_t>(a)][col],
                                 m_cells[static_cast<size_t>(b)][col]);
        return m_sortDescending ? c > 0 : c < 0;
    });
    ++m_version;
}

void StatPage::setSelection(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [&](int r) { return r < 0 || r >= rowCount(); }),
               rows.end());
    m_selection = std::move(rows);
    ++m_version;
}

TStatDrawArray StatPage::selectedRows() const {
    TStatDrawArray rows;
    for (int r : m_selection) {
        rows.append(row(r));
    }
    return rows;
}

std::string StatPage::selectionDescription() const {
    std::vector<std::string> parts;
    for (int r : m_selection) {
        parts.push_back(cells(r)[0]);
    }
    return join(parts, "; ");
}

}  // namespace pentad
