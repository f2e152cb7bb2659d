// SPDX-License-Identifier: GPL-3.0-or-later
// The filtering engine: cuts the combination set by statistic values, by
// hand from the statistics table or the views, and automatically for
// scenario steps by expanding filter items into variants and walking the
// statistics table part by part.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "filters/combination_set.h"
#include "filters/filter_item.h"
#include "stats/stat_page.h"

namespace pentad {

class Shell;

// What a scenario run lends the engine. Outside a run these do nothing.
class FilterRunHooks {
public:
    virtual ~FilterRunHooks() = default;
    virtual bool stopRequested() { return false; }
    virtual void requestStop() {}
    virtual bool logging() const { return false; }
    virtual void log(const std::string&) {}
    virtual void variantProgress(int) {}
};

// Upper bound of the variants of one scenario step; beyond it the
// expansion reports the too-many-variants message.
inline constexpr size_t kMaxVariants = 10'000'000;

// The variants of one scenario step: the Cartesian product of every item's
// parts, item 1 varying slowest. An item's parts are its window lengths,
// each with every threshold in turn (threshold modes) or with the whole
// level value; parts and variants are made on demand from the value lists,
// so a step of many variants costs only the lists' memory.
class FilterVariants {
public:
    struct Choice {
        TFilterPart base;       // everything but the length (and a threshold)
        TIntArray lengths;
        TIntArray thresholds;   // empty: the base's level value for every length
        size_t count() const {
            return lengths.size() * (thresholds.empty() ? size_t{1} : thresholds.size());
        }
        TFilterPart part(size_t index) const;
    };

    FilterVariants() = default;
    explicit FilterVariants(std::vector<Choice> choices);

    size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    // Variant `index` (0-based, in creation order).
    TFilterRec at(size_t index) const;
    TFilterRec operator[](size_t index) const { return at(index); }

private:
    std::vector<Choice> m_choices;
    size_t m_count = 0;
};

class FilterEngine {
public:
    FilterEngine(Shell& shell, TStatList& list, const DrawArchive& archive, CombinationSet& combs,
                 StatPage& page);

    void setHooks(FilterRunHooks* hooks) { m_hooks = hooks != nullptr ? hooks : &m_noHooks; }

    // Cuts the set by the rows selected on the statistics page. `stat` may be
    // null: an instance of the chosen method is then made for this call. The
    // caller took the undo copy just before. False when nothing was selected.
    bool FilterBySelection(TCustomStat* stat, bool exclude);

    // Cuts the set by digit values with the digit statistic "NUMS"; raises
    // "В выделенном диапазоне нет значений для фильтра!" with no value.
    void FilterByValues(const std::vector<int>& values, const std::string& caption,
                        const std::string& description, bool exclude);

    // The shared test-and-cut over the undo copy.
    void CutByRows(TCustomStat& stat, const TStatDrawArray& rows, const std::string& caption,
                   const std::string& description, bool exclude);

    // The keep/delete commands of the statistics table: undo copy, then the
    // cut; errors are shown. False when not possible.
    bool StatFilter(bool exclude);
    bool CanStatFilter() const;

    // All variants of the first `n` items (Cartesian product, item 1
    // slowest, lengths slower than levels). Throws pentad::Error with
    // "Некорректное описание фильтра: %s!" for an item that expands to nothing.
    FilterVariants ExpandVariants(const std::vector<TFilterItem>& items, int n);

    // Applies the active parts in order while the set holds more than one
    // combination. Throws pentad::Error on a failed part.
    void ApplyVariant(const TFilterRec& variant);
    void ApplyPart(const TFilterPart& part);

private:
    int lastIndex() const;
    void filterStep(TCustomStat& stat, const TFilterPart& part);
    void rollback();
    std::string rowLogText(const std::array<std::string, kStatColumns>& cells) const;

    Shell& m_shell;
    TStatList& m_list;
    const DrawArchive& m_archive;
    CombinationSet& m_combs;
    StatPage& m_page;
    FilterRunHooks m_noHooks;
    FilterRunHooks* m_hooks = &m_noHooks;
};

}  // namespace pentad
