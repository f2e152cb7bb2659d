// SPDX-License-Identifier: GPL-3.0-or-later
#include "filters/filter_engine.h"

#include <limits>

#include "filters/filter_kernel.h"
#include "filters/filter_texts.h"
#include "game/routines.h"
#include "shell/error.h"
#include "shell/shell.h"
#include "shell/text_utils.h"
#include "stats/methods/number_stats.h"
#include "stats/stat_texts.h"

namespace pentad {

FilterEngine::FilterEngine(Shell& shell, TStatList& list, const DrawArchive& archive,
                           CombinationSet& combs, StatPage& page)
    : m_shell(shell), m_list(list), m_archive(archive), m_combs(combs), m_page(page) {}

int FilterEngine::lastIndex() const {
    int last = m_archive.lastIndex() - m_archive.offset();
    return last < 0 ? 0 : last;
}

void FilterEngine::CutByRows(TCustomStat& stat, const TStatDrawArray& rows,
                             const std::string& caption, const std::string& description,
                             bool exclude) {
    OperationScope op(m_shell, texts::kStatusFiltering);
    if (m_combs.UndoCount() == 0) {
        m_combs.RebuildFromUndo([](const TCombRec&, int) { return false; }, 1, [](int) {});
        return;
    }
    const int last = lastIndex();
    const bool sorted = m_page.SortedDraws;
    stat.LoadDraws(-1, last, sorted);
    if (auto table = FilterKernel::table(stat, rows, exclude, sorted, last)) {
        KeepLookup lookup(table->data());
        m_combs.RebuildFromUndo(
            [&](const TCombRec& comb, int) {
                const int keep = lookup(comb);
                if (keep >= 0) {
                    return keep != 0;
                }
                return stat.TestCombination(comb, rows, exclude, sorted, last) != exclude;
            },
            m_combs.UndoCount(), [](int) {});
    } else {
        m_combs.RebuildFromUndo(
            [&](const TCombRec& comb, int) {
                return stat.TestCombination(comb, rows, exclude, sorted, last) != exclude;
            },
            m_combs.UndoCount(), [](int) {});
    }
    m_combs.AddFilterEntry(exclude, caption, description);
}

bool FilterEngine::FilterBySelection(TCustomStat* stat, bool exclude) {
    TStatDrawArray rows = m_page.selectedRows();
    if (rows.empty()) {
        return false;
    }
    std::unique_ptr<TCustomStat> own;
    if (stat == nullptr) {
        int entry = m_page.selectedEntry();
        if (entry < 0) {
            throw Error(format(texts::kNoMethodChosen, std::string("cbStatMethod")));
        }
        own = m_list.CreateStat(entry);
        stat = own.get();
    }
    CutByRows(*stat, rows, m_page.chooserText(), m_page.selectionDescription(), exclude);
    return true;
}

void FilterEngine::FilterByValues(const std::vector<int>& values, const std::string& caption,
                                  const std::string& description, bool exclude) {
    TStatDrawArray rows;
    for (int v : values) {
        TStatRow r;
        r.setV(1, static_cast<uint16_t>(v));
        if (!rows.hasKey(r.keyValue())) {
            rows.append(r);
        }
    }
    if (rows.empty()) {
        throw Error(texts::kNoViewValues);
    }
    TstValues stat(m_list, 0);
    CutByRows(stat, rows, caption, description, exclude);
}

bool FilterEngine::CanStatFilter() const {
    return m_shell.isIdle() && m_combs.CombsCount() > 0 && !m_page.selection().empty();
}

bool FilterEngine::StatFilter(bool exclude) {
    if (!CanStatFilter()) {
        return false;
    }
    return m_shell.guard("%s", [&] {
        m_combs.SaveUndo(true);
        FilterBySelection(nullptr, exclude);
    });
}

TFilterPart FilterVariants::Choice::part(size_t index) const {
    TFilterPart p = base;
    if (thresholds.empty()) {
        p.DrawsLen = lengths[index];
    } else {
        // Lengths vary slower than the thresholds.
        p.DrawsLen = lengths[index / thresholds.size()];
        p.LevelValue = p.LevelText = std::to_string(thresholds[index % thresholds.size()]);
    }
    return p;
}

FilterVariants::FilterVariants(std::vector<Choice> choices) : m_choices(std::move(choices)) {
    m_count = m_choices.empty() ? 0 : 1;
    for (const Choice& c : m_choices) {
        m_count *= c.count();
    }
}

TFilterRec FilterVariants::at(size_t index) const {
    TFilterRec rec{};
    // Mixed radix: the last item varies fastest.
    for (size_t i = m_choices.size(); i-- > 0;) {
        const size_t count = m_choices[i].count();
        rec[i] = m_choices[i].part(index % count);
        index /= count;
    }
    return rec;
}

FilterVariants FilterEngine::ExpandVariants(const std::vector<TFilterItem>& items,
                                                     int n) {
    n = std::min<int>(n, static_cast<int>(std::min<size_t>(items.size(), 7)));
    // The value lists of every item are read and the variants counted before
    // anything else is made.
    std::vector<FilterVariants::Choice> choices(static_cast<size_t>(std::max(n, 0)));
    size_t planned = n > 0 ? 1 : 0;
    for (int i = 0; i < n; ++i) {
        const TFilterItem& item = items[static_cast<size_t>(i)];
        FilterVariants::Choice& choice = choices[static_cast<size_t>(i)];
        choice.lengths = ParseValueList(item.DrawsLen);
        TIntArray levels;
        if (item.LevelMode != 0) {
            levels = ParseValueList(item.LevelValue);
        }
        if (choice.lengths.empty() || (item.LevelMode != 0 && levels.empty())) {
            throw Error(format(texts::kBadFilter, FilterItemToText(item)));
        }
        TFilterPart& base = choice.base;
        base.Active = item.Active;
        base.Method = item.Method;
        base.SortOrder = static_cast<int32_t>(item.SortOrder);
        base.BottomUp = item.BottomUp;
        base.MultiSelect = item.MultiSelect;
        base.KeepSelected = item.KeepSelected;
        base.LevelMode = item.LevelMode;
        base.Weights = item.Weights;
        base.StopMode = item.StopMode;
        base.StopValue = static_cast<int32_t>(item.StopValue);
        if (isThresholdLevelMode(item.LevelMode)) {
            choice.thresholds = std::move(levels);
        } else if (isListLevelMode(item.LevelMode)) {
            base.LevelValue = intListToText(levels, ",");
            base.LevelText = item.LevelValue;
        } else {
            base.LevelValue = base.LevelText = item.LevelValue;
        }
        // Two value lists of a million values each make 10^12 parts; the
        // product is kept from overflowing.
        const size_t parts =
            choice.thresholds.empty() ? size_t{1} : choice.thresholds.size();
        if (__builtin_mul_overflow(planned, parts, &planned) ||
            __builtin_mul_overflow(planned, choice.lengths.size(), &planned)) {
            planned = std::numeric_limits<size_t>::max();
        }
        if (planned > kMaxVariants) {
            m_hooks->requestStop();
            throw Error(std::string(texts::kTooManyVariants) + "\r\r" +
                        format("%zu > %zu", planned, kMaxVariants));
        }
    }
    if (planned >= 1000) {
        m_hooks->variantProgress(static_cast<int>(planned));
    }
    return FilterVariants(std::move(choices));
}

void FilterEngine::ApplyVariant(const TFilterRec& variant) {
    for (const TFilterPart& part : variant) {
        if (m_hooks->stopRequested()) {
            return;
        }
        if (part.Active && m_combs.CombsCount() > 1) {
            ApplyPart(part);
        }
    }
}

std::string FilterEngine::rowLogText(const std::array<std::string, kStatColumns>& c) const {
    return format(texts::kLogRow, c[0], c[1], c[2], c[4], c[5], c[6], c[7], c[8]);
}

void FilterEngine::filterStep(TCustomStat& stat, const TFilterPart& part) {
    if (m_hooks->logging()) {
        m_hooks->log(part.KeepSelected ? texts::kLogKeep : texts::kLogDelete);
    }
    m_combs.SaveUndo(true);
    FilterBySelection(&stat, !part.KeepSelected);
    if (m_hooks->logging()) {
        m_hooks->log(format(texts::kLogCount, m_combs.CombsCount()));
    }
    m_page.clearSelection();
}

void FilterEngine::rollback() {
    if (m_hooks->logging()) {
        m_hooks->log(texts::kLogUndo);
    }
    m_combs.RestoreUndo(true);
    m_combs.AddRollbackEntry();
}

void FilterEngine::ApplyPart(const TFilterPart& part) {
    m_page.clearSelection();
    int entry = entryOf(m_list, part.Method);
    if (entry < 0 || !m_page.selectEntry(entry)) {
        std::string caption = entry >= 0 ? m_list.Item(entry).DisplayCaption()
                              : part.Method.valid() ? part.Method.Class->caption(part.Method.Variant)
                                                    : std::string();
        throw Error(format(texts::kMethodNotFound, part.Method.Code(), caption));
    }
    m_page.setLength(part.DrawsLen);
    if (m_hooks->logging()) {
        m_hooks->log(format(texts::kLogComputing, m_page.chooserText(), part.DrawsLen));
    }
    m_list.ApplyWeights(part.Weights.toWeights(), part.Weights.CDLOverride);
    m_page.Compute(true);
    m_page.sortBy(part.SortOrder, true);
    if (m_hooks->stopRequested()) {
        return;
    }
    if (m_hooks->logging()) {
        for (int r = 0; r < m_page.rowCount(); ++r) {
            m_hooks->log(rowLogText(m_page.cells(r)));
        }
    }
    if (m_hooks->stopRequested()) {
        return;
    }
    std::unique_ptr<TCustomStat> stat = m_list.CreateStat(entry);
    int steps = 0;
    const int rows = m_page.rowCount();
    std::vector<int> selected;
    for (int k = 0; k < rows; ++k) {
        const int r = part.BottomUp ? rows - 1 - k : k;
        if (m_hooks->stopRequested()) {
            return;
        }
        const auto& cells = m_page.cells(r);
        const int32_t value = stat->ParseValue(cells[0]);
        if (!part.MultiSelect && part.StopMode == 1 && part.StopValue >= m_combs.CombsCount()) {
            break;
        }
        if (part.StopMode == 4) {
            long long count = 0;
            if (!parseInteger(cells[1], count)) {
                count = 0;
            }
            if (part.BottomUp ? count >= part.StopValue : count <= part.StopValue) {
                break;
            }
        }
        if (part.StopMode == 5) {
            long double pct = 0;
            if (!parseReal(cells[2], pct)) {
                pct = 0;
            }
            if (part.BottomUp ? pct >= part.StopValue : pct <= part.StopValue) {
                break;
            }
        }
        if (part.StopMode == 3 && steps >= part.StopValue) {
            break;
        }
        if (!part.MultiSelect && m_hooks->stopRequested()) {
            break;
        }
        bool match = levelTest(part.LevelMode, part.LevelValue, cells, value);
        if (part.MultiSelect) {
            if (match) {
                selected.push_back(r);
                if (m_hooks->logging()) {
                    m_hooks->log(format(texts::kLogStep, steps + 1, cells[0], cells[1], cells[2],
                                        cells[4], cells[5], cells[6], cells[7], cells[8]));
                }
            }
            ++steps;
            continue;
        }
        if (!match) {
            continue;
        }
        m_page.setSelection({r});
        if (m_hooks->logging()) {
            m_hooks->log(format(texts::kLogStep, steps + 1, cells[0], cells[1], cells[2], cells[4],
                                cells[5], cells[6], cells[7], cells[8]));
        }
        filterStep(*stat, part);
        if (m_combs.CombsCount() == 0) {
            rollback();
            if (part.StopMode == 2) {
                return;
            }
        } else {
            ++steps;
        }
    }
    if (part.MultiSelect && !m_hooks->stopRequested()) {
        m_page.setSelection(selected);
        filterStep(*stat, part);
        if (m_combs.CombsCount() == 0) {
            rollback();
        }
    }
}

}  // namespace pentad
