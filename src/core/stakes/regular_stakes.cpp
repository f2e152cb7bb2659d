// SPDX-License-Identifier: GPL-3.0-or-later
#include "stakes/regular_stakes.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "game/game_texts.h"
#include "game/routines.h"
#include "shell/error.h"
#include "shell/text_utils.h"
#include "stakes/stake_record.h"
#include "stakes/stake_texts.h"

namespace pentad {

void TTableRec::encode(uint8_t* out) const {
    std::memset(out, 0, kSize);
    encodeShortString(Comment, out, 256);
    out[256] = FromDraw;
    std::memcpy(out + 257, Start.data(), 5);
    std::memcpy(out + 262, Last.data(), 5);
    putInt32(out + 268, Step);
    putInt32(out + 272, Count);
}

TTableRec TTableRec::decode(const uint8_t* in) {
    TTableRec r;
    r.Comment = decodeShortString(in, 256);
    r.FromDraw = in[256];
    std::memcpy(r.Start.data(), in + 257, 5);
    std::memcpy(r.Last.data(), in + 262, 5);
    r.Step = getInt32(in + 268);
    r.Count = getInt32(in + 272);
    return r;
}

void NextCombination(TTableRec& rule, const DrawArchive& archive) {
    std::array<uint8_t, 5> base = rule.Last;
    if (rule.FromDraw != 0) {
        int latest = archive.latestIndex();
        base = latest >= 0 ? archive.draws()[static_cast<size_t>(latest)].Digits
                           : std::array<uint8_t, 5>{};
    }
    int step = std::clamp(rule.Step, -9, 9);
    for (size_t i = 0; i < 5; ++i) {
        rule.Last[i] = static_cast<uint8_t>(ShiftDigit(base[i] % 10, step));
    }
    // A count read from a damaged file may already stand at the limit.
    if (rule.Count < std::numeric_limits<int32_t>::max()) {
        rule.Count += 1;
    }
}

std::string encodeRules(const TTableArray& rules) {
    std::string bytes(rules.size() * TTableRec::kSize, '\0');
    for (size_t i = 0; i < rules.size(); ++i) {
        rules[i].encode(reinterpret_cast<uint8_t*>(bytes.data()) + i * TTableRec::kSize);
    }
    return bytes;
}

TTableArray decodeRules(const std::string& bytes) {
    if (bytes.size() % TTableRec::kSize != 0) {
        throw Error(format(texts::kBadRecordSize, static_cast<long long>(bytes.size()),
                           static_cast<int>(TTableRec::kSize)));
    }
    TTableArray rules;
    for (size_t i = 0; i < bytes.size(); i += TTableRec::kSize) {
        rules.push_back(TTableRec::decode(reinterpret_cast<const uint8_t*>(bytes.data()) + i));
    }
    return rules;
}

std::array<std::string, 5> ruleCells(const TTableRec& r) {
    return {r.Comment, digitsToText(r.Start, ";"), std::to_string(r.Step),
            digitsToText(r.Last, ";"), std::to_string(r.Count)};
}

std::optional<std::string> validateRule(const std::string& comment, bool startEditable,
                                        const std::string& startText, const TTableArray& rules,
                                        std::array<uint8_t, 5>* start) {
    if (startEditable) {
        std::vector<std::string> words;
        for (const std::string& w : splitAny(startText, ";,")) {
            if (!trim(w).empty()) {
                words.push_back(trim(w));
            }
        }
        std::array<uint8_t, 5> digits{};
        bool ok = words.size() == 5;
        for (size_t i = 0; ok && i < 5; ++i) {
            int v = 0;
            ok = parseInt32(words[i], v) && v >= 0 && v <= 9;
            digits[i] = static_cast<uint8_t>(v);
        }
        if (!ok) {
            return std::string(texts::kBadDrawDigits);
        }
        if (start != nullptr) {
            *start = digits;
        }
    }
    if (trim(comment).empty()) {
        return std::string(texts::kNeedComment);
    }
    for (const TTableRec& r : rules) {
        if (r.Comment == comment) {
            return std::string(texts::kRuleDuplicate);
        }
    }
    return std::nullopt;
}

TTableArray rulesToAdd(const TTableRec& dialogRule, const std::vector<int>& selectedRows,
                       const TCombsArray& combs) {
    TTableArray out;
    if (dialogRule.FromDraw != 0 || selectedRows.size() == 1) {
        TTableRec r = dialogRule;
        r.Last = r.Start;
        r.Count = 0;
        out.push_back(r);
        return out;
    }
    for (int row : selectedRows) {
        if (row < 0 || static_cast<size_t>(row) >= combs.size()) {
            continue;
        }
        TTableRec r = dialogRule;
        r.Start = r.Last = combs[static_cast<size_t>(row)].Digits;
        r.Count = 0;
        r.Comment = dialogRule.Comment + format(" (%d)", row + 1);
        out.push_back(r);
    }
    return out;
}

}  // namespace pentad
