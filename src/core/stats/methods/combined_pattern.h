// SPDX-License-Identifier: GPL-3.0-or-later
// Groups of two to four items out of one draw, counted together: every choice
// of k positions (Mix), every run of k neighbours (Seq), the one run from a
// start position (Pos), or runs over the digits sorted first (Sort). Families
// supply the items (the digit itself, its channel, row or segment, or the
// differences between neighbours); counting, testing and texts are shared.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "stats/custom_stat.h"
#include "stats/methods/bound_stat.h"

namespace pentad {

enum class CombineKind : uint8_t { Mix, Seq, Pos, Sort };

inline constexpr int kMaxCombineSize = 4;
inline constexpr int kMaxCombineChoices = 10;

// Item indexes (from 0) of every choice, in merge order.
struct CombineChoices {
    int size = 0;
    int count = 0;
    std::array<std::array<uint8_t, kMaxCombineSize>, kMaxCombineChoices> at{};
};

// The choices of `size` (1..4) items out of `items` (at most 5): Mix takes
// every choice in increasing index order, first index outermost; Seq and Sort
// every run of neighbours from the left; Pos the one run starting at item
// `start` (from 1). Empty when nothing fits.
CombineChoices makeCombineChoices(CombineKind kind, int items, int size, int start);

// A combined member: one value per choice, its key the chosen items in cells
// V1..Vk (cells after k stay 0), its text the items joined by ":".
class TCustomCombinedStat : public TCustomStat {
public:
    using Items = std::array<uint16_t, kPositions>;

    // `items` is how many items ItemsOf yields (5, or 4 for differences). With
    // `trackFirstOnly` only the first choice of a draw updates the periods.
    TCustomCombinedStat(const TStatList& list, int variant, CombineKind kind, int size,
                        int items = kPositions, bool trackFirstOnly = false);

    std::string ValueText(const TStatRow& row) const override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    // True as soon as one choice of the candidate (digits in stored order)
    // equals the full key of a selected row.
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

    int size() const { return m_choices.size; }

protected:
    // The items of five digits given by position.
    virtual void ItemsOf(const std::array<uint8_t, kPositions>& digits, Items& items) const = 0;

private:
    Items itemsOfDigits(std::array<uint8_t, kPositions> digits) const;
    uint64_t keyOf(const Items& items, int choice) const;
    void mergeChoices(const Items& items, TStatDrawArray& rows, bool trackPeriods);

    CombineKind m_kind;
    bool m_trackFirstOnly;
    CombineChoices m_choices;
};

// The digits themselves as items (the combined-value members).
class TCustomCombValuesStat : public TCustomCombinedStat {
public:
    using TCustomCombinedStat::TCustomCombinedStat;

protected:
    void ItemsOf(const std::array<uint8_t, kPositions>& digits, Items& items) const override;
};

}  // namespace pentad
