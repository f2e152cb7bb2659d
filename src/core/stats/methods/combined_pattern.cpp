// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/combined_pattern.h"

#include <algorithm>

namespace pentad {
namespace {

void addMixChoices(CombineChoices& out, std::array<uint8_t, kMaxCombineSize>& chosen, int depth,
                   int from, int items) {
    if (depth == out.size) {
        out.at[static_cast<size_t>(out.count++)] = chosen;
        return;
    }
    for (int i = from; i <= items - (out.size - depth); ++i) {
        chosen[static_cast<size_t>(depth)] = static_cast<uint8_t>(i);
        addMixChoices(out, chosen, depth + 1, i + 1, items);
    }
}

}  // namespace

CombineChoices makeCombineChoices(CombineKind kind, int items, int size, int start) {
    CombineChoices out;
    if (size < 1 || size > kMaxCombineSize || items > kPositions || size > items) {
        return out;
    }
    out.size = size;
    auto addRun = [&](int first) {
        auto& c = out.at[static_cast<size_t>(out.count++)];
        for (int j = 0; j < size; ++j) {
            c[static_cast<size_t>(j)] = static_cast<uint8_t>(first + j);
        }
    };
    switch (kind) {
        case CombineKind::Mix: {
            std::array<uint8_t, kMaxCombineSize> chosen{};
            addMixChoices(out, chosen, 0, 0, items);
            break;
        }
        case CombineKind::Seq:
        case CombineKind::Sort:
            for (int first = 0; first + size <= items; ++first) {
                addRun(first);
            }
            break;
        case CombineKind::Pos:
            if (start >= 1 && start - 1 + size <= items) {
                addRun(start - 1);
            }
            break;
    }
    return out;
}

TCustomCombinedStat::TCustomCombinedStat(const TStatList& list, int variant, CombineKind kind,
                                         int size, int items, bool trackFirstOnly)
    : TCustomStat(list, variant),
      m_kind(kind),
      m_trackFirstOnly(trackFirstOnly),
      m_choices(makeCombineChoices(kind, items, size, variant)) {}

std::string TCustomCombinedStat::ValueText(const TStatRow& row) const {
    std::string out;
    for (int c = 1; c <= m_choices.size; ++c) {
        if (c > 1) {
            out += ':';
        }
        out += std::to_string(row.V(c));
    }
    return out;
}

TCustomCombinedStat::Items TCustomCombinedStat::itemsOfDigits(
    std::array<uint8_t, kPositions> digits) const {
    if (m_kind == CombineKind::Sort) {
        std::sort(digits.begin(), digits.end());
    }
    Items items{};
    ItemsOf(digits, items);
    return items;
}

uint64_t TCustomCombinedStat::keyOf(const Items& items, int choice) const {
    const auto& at = m_choices.at[static_cast<size_t>(choice)];
    uint64_t key = 0;
    for (int j = 0; j < m_choices.size; ++j) {
        key |= static_cast<uint64_t>(items[at[static_cast<size_t>(j)]]) << (16 * j);
    }
    return key;
}

void TCustomCombinedStat::mergeChoices(const Items& items, TStatDrawArray& rows,
                                       bool trackPeriods) {
    for (int c = 0; c < m_choices.count; ++c) {
        WorkRow.setKeyValue(keyOf(items, c));
        MergeRow(rows, trackPeriods && (c == 0 || !m_trackFirstOnly));
    }
}

void TCustomCombinedStat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                    StatContext& context, TLastValueArray& lastValues) {
    TCustomStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    mergeChoices(itemsOfDigits(CurrentDraw.Digits), rows, true);
}

void TCustomCombinedStat::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomStat::CountCombination(comb, rows);
    mergeChoices(itemsOfDigits(comb.Digits), rows, false);
}

bool TCustomCombinedStat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected,
                                          bool, bool, int) {
    Items items = itemsOfDigits(comb.Digits);
    for (int c = 0; c < m_choices.count; ++c) {
        if (selected.hasKey(keyOf(items, c))) {
            return true;
        }
    }
    return false;
}

void TCustomCombValuesStat::ItemsOf(const std::array<uint8_t, kPositions>& digits,
                                    Items& items) const {
    std::copy(digits.begin(), digits.end(), items.begin());
}

}  // namespace pentad
