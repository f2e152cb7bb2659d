// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/custom_stat.h"

#include <algorithm>

#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/text_utils.h"
#include "stats/stat_list.h"

namespace pentad {

TCustomStat::TCustomStat(const TStatList& list, int variant)
    : Variant(variant), Draws(&list.draws()), m_list(&list) {}

int32_t TCustomStat::ValueFromText(const std::string& text) const {
    return textToInt(text);
}

int32_t TCustomStat::ParseValue(const std::string& text) const {
    return statClass().hasNumericValue ? ValueFromText(text) : 0;
}

void TCustomStat::PrepareRows(int, TStatDrawArray&) {
    clearWorkRow();
}

TDrawRec TCustomStat::GetDraw(int index, bool sorted) const {
    if (Draws == nullptr || index < 0 || index >= static_cast<int>(Draws->size())) {
        return TDrawRec{};
    }
    TDrawRec d = (*Draws)[static_cast<size_t>(index)];
    if (sorted) {
        std::sort(d.Digits.begin(), d.Digits.end());
    }
    return d;
}

void TCustomStat::LoadDraws(int index, int lastIndex, bool sorted) {
    CurrentDraw = GetDraw(index, sorted);
    if ((statClass().baseFlags & kFlagD) != 0) {
        ReferenceDraw = GetDraw(lastIndex, sorted);
    }
}

void TCustomStat::CountCombination(const TCombRec&, TStatDrawArray&) {
    clearWorkRow();
    WorkRow.Count = 1;
}

void TCustomStat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray&, StatContext&,
                            TLastValueArray&) {
    LoadDraws(index, lastIndex, sorted);
    clearWorkRow();
    WorkRow.LastDraw = CurrentDraw.Number;
    WorkRow.PrevDraw = CurrentDraw.Number;
    WorkRow.Depth = lastIndex - index + 1;
    WorkRow.Count = 1;
}

int32_t TCustomStat::FindNextOccurrence(const TStatRow& row, int fromIndex, int lastIndex,
                                        bool sorted) {
    if (Draws == nullptr || fromIndex < 0) {
        return -1;
    }
    const uint64_t key = row.keyValue();
    StatContext context;
    for (int i = fromIndex; i < static_cast<int>(Draws->size()); ++i) {
        TStatDrawArray rows;
        TLastValueArray lastValues;
        CountDraw(i, lastIndex, sorted, rows, context, lastValues);
        int found = rows.find(key);
        if (found >= 0) {
            return rows[static_cast<size_t>(found)].LastDraw;
        }
    }
    return -1;
}

int32_t TCustomStat::DigitsValue(const std::array<uint8_t, kPositions>&, int, int, bool) {
    return 0;
}

int32_t TCustomStat::GraphValue(int, int, bool) {
    return 0;
}

std::string TCustomGraphStat::ValueText(const TStatRow& row) const {
    return std::to_string(row.V(1));
}

int32_t TCustomGraphStat::GraphValue(int index, int lastIndex, bool sorted) {
    TDrawRec d = GetDraw(index, sorted);
    return DigitsValue(d.Digits, index, lastIndex, sorted);
}

std::string TCustomValuesStat::ValueText(const TStatRow& row) const {
    return std::to_string(row.V(1));
}

std::string TCustomNumbersStat::ValueText(const TStatRow& row) const {
    return std::to_string(row.V(1));
}

std::string TCustomRatioStat::ValueText(const TStatRow& row) const {
    int n = row.V(1);
    return std::to_string(n) + ":" + std::to_string(5 - n);
}

int32_t TCustomRatioStat::ValueFromText(const std::string& text) const {
    return textToInt(text.substr(0, text.find(':')));
}

std::string TCustomMaskStat::ValueText(const TStatRow& row) const {
    uint32_t mask = row.H(1);
    std::string out;
    for (int bit = 4; bit >= 0; --bit) {
        out += ((mask >> bit) & 1u) != 0 ? OneMark() : ZeroMark();
    }
    return out + format(" (%.3d)", static_cast<int>(mask));
}

int32_t TCustomMaskStat::ValueFromText(const std::string& text) const {
    // Marks may be Cyrillic letters: compare character by character.
    std::string one = OneMark();
    int32_t mask = 0;
    size_t pos = 0;
    for (int i = 0; i < 5; ++i) {
        size_t len = 1;
        if (pos < text.size()) {
            auto lead = static_cast<unsigned char>(text[pos]);
            len = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 4;
        }
        std::string ch = pos < text.size() ? text.substr(pos, len) : std::string();
        mask = (mask << 1) + (ch == one ? 1 : 0);
        pos += len;
    }
    return mask;
}

void TCustomMaskStat::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomStat::PrepareRows(lastIndex, rows);
    for (uint32_t m = 0; m < 32; ++m) {
        WorkRow.setH(1, m);
        MergeRow(rows, false);
    }
}

}  // namespace pentad
