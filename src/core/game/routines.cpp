// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/routines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game/game_texts.h"
#include "shell/error.h"
#include "shell/text_utils.h"

namespace pentad {

const std::array<uint32_t, 19> kChannelPalette = {
    0xAAFFAA, 0xFFFFAA, 0xAAFFFF, 0xFFAAAA, 0xAAAAFF, 0xFFD5AA, 0xD5AAFF,
    0xD4D4D4, 0xAAD5FF, 0xFFAAD5, 0xD5FFD5, 0xFFFFD5, 0xD5FFFF, 0xFFD5D5,
    0xD5D5FF, 0xFFEAD5, 0xEAD5FF, 0xE9E9E9, 0xD5EAFF,
};

long double binomial(int n, int k) {
    if (k <= 0) {
        return 1;
    }
    long double r = 1;
    for (int i = 1; i <= k; ++i) {
        r = r * static_cast<long double>(n - k + i) / static_cast<long double>(i);
    }
    return r;
}

int64_t powerCount(int n, int k) {
    if (k >= n) {
        return 1;
    }
    return std::llround(std::pow(static_cast<long double>(n), static_cast<long double>(k)));
}

int64_t matchCount(int v, int p, int k) {
    if (k >= v) {
        return 1;
    }
    return std::llround(binomial(p, k) *
                        std::pow(static_cast<long double>(v - 1), static_cast<long double>(p - k)));
}

int ChannelOf(int digit, int width) {
    if (width <= 0) {
        return 0;
    }
    return (digit + 1 + width - 1) / width;
}

uint32_t groupColorRgb(int digit, int width) {
    if (digit < 0 || digit > 9) {
        return 0xFF0000;
    }
    int c = ChannelOf(digit, width);
    if (c > 19) {
        c -= 19;
    }
    if (c < 1) {
        c = 1;
    }
    return kChannelPalette[static_cast<size_t>(c - 1)];
}

uint32_t GroupColor(int digit, int width) {
    if (digit < 0 || digit > 9) {
        return 255;
    }
    uint32_t rgb = groupColorRgb(digit, width);
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

int ShiftDigit(int digit, int shift) {
    int r = digit + shift;
    if (r > 9) {
        r -= 10;
    } else if (r < 0) {
        r += 10;
    }
    return r;
}

TCombRec shiftComb(const TCombRec& comb, int shift) {
    TCombRec r;
    for (int i = 0; i < kPositions; ++i) {
        r.Digits[i] = static_cast<uint8_t>(ShiftDigit(comb.Digits[i], shift));
    }
    return r;
}

bool digitInDraw(const TDrawRec& draw, int value) {
    return std::find(draw.Digits.begin(), draw.Digits.end(), value) != draw.Digits.end();
}

bool digitInComb(const TCombRec& comb, int value) {
    return std::find(comb.Digits.begin(), comb.Digits.end(), value) != comb.Digits.end();
}

bool channelInDraw(const TDrawRec& draw, int channel, int width) {
    for (uint8_t d : draw.Digits) {
        if (ChannelOf(d, width) == channel) {
            return true;
        }
    }
    return false;
}

bool segmentInDraw(const TDrawRec& draw, int segment, const TConfigData& config) {
    for (int p = 0; p < kPositions; ++p) {
        if (draw.Digits[p] <= 9 && config.segment(p + 1, draw.Digits[p]) == segment) {
            return true;
        }
    }
    return false;
}

bool byteSetContains(const TByteArray& set, uint8_t value) {
    return std::find(set.begin(), set.end(), value) != set.end();
}

bool byteSetAddUnique(TByteArray& set, uint8_t value) {
    if (byteSetContains(set, value)) {
        return false;
    }
    set.push_back(value);
    return true;
}

void byteSetAppend(TByteArray& set, uint8_t value) {
    set.push_back(value);
}

TByteArray distinctDigits(const TCombsArray& combs) {
    TByteArray out;
    bool seen[256] = {};
    for (const TCombRec& c : combs) {
        for (uint8_t d : c.Digits) {
            if (!seen[d]) {
                seen[d] = true;
                out.push_back(d);
                if (out.size() >= 10) {
                    return out;
                }
            }
        }
    }
    return out;
}

int countDistinctDigits(const TCombsArray& combs) {
    return static_cast<int>(distinctDigits(combs).size());
}

TCombRec drawToComb(const TDrawRec& draw) {
    TCombRec c;
    c.Digits = draw.Digits;
    return c;
}

TNumberSet combToNumberSet(const TCombRec& comb) {
    TNumberSet s;
    s.Count = kPositions;
    std::copy(comb.Digits.begin(), comb.Digits.end(), s.Digits.begin());
    return s;
}

std::string digitsToText(const std::array<uint8_t, kPositions>& digits,
                         std::string_view separator) {
    std::string out;
    for (int i = 0; i < kPositions; ++i) {
        if (i > 0) {
            out += separator;
        }
        out += std::to_string(digits[i]);
    }
    return out;
}

std::string CombToText(const TCombRec& comb) {
    return digitsToText(comb.Digits, ";");
}

std::string CombToDisplayText(const TCombRec& comb) {
    std::string out;
    for (int i = 0; i < kPositions; ++i) {
        if (i > 0) {
            out += ' ';
        }
        out += format("%02d", comb.Digits[i]);
    }
    return out;
}

std::string numberSetToText(const TNumberSet& set, std::string_view separator) {
    std::string out;
    int n = std::clamp(set.Count, 0, 8);
    for (int i = 0; i < n; ++i) {
        if (i > 0) {
            out += separator;
        }
        out += std::to_string(set.Digits[static_cast<size_t>(i)]);
    }
    return out;
}

TCombRec TextToComb(std::string_view text) {
    std::vector<std::string> words;
    for (const std::string& w : splitAny(text, "\t ,-.:;|")) {
        if (!w.empty()) {
            words.push_back(w);
        }
    }
    if (words.size() != kPositions) {
        throw Error(format(texts::kBadCombination, std::string(text)));
    }
    TCombRec c;
    for (int i = 0; i < kPositions; ++i) {
        c.Digits[i] = static_cast<uint8_t>(textToInt(trim(words[static_cast<size_t>(i)])));
    }
    return c;
}

std::string stakeKindText(int kind) {
    switch (kind) {
        case 1:
            return texts::kStakeKindManual;
        case 2:
            return texts::kStakeKindRegular;
        case 3:
            return texts::kStakeKindScenario;
        case 4:
            return texts::kStakeKindSystem;
        default:
            return std::string();
    }
}

TIntArray ParseValueList(std::string_view text) {
    TIntArray list;
    bool asList = true;
    for (const std::string& w : splitAny(text, ",;")) {
        int v = 0;
        if (trim(w).empty()) {
            continue;  // runs of separators count as one
        }
        if (!parseInt32(trim(w), v)) {
            asList = false;
            break;
        }
        list.push_back(v);
    }
    if (asList && !list.empty()) {
        return list;
    }
    list.clear();
    // A range: from "-" to (";" | ",") step.
    size_t dash = text.find('-', 1);
    if (text.empty() || dash == std::string_view::npos) {
        return list;
    }
    size_t sep = text.find_first_of(";,", dash + 1);
    std::string_view fromText = text.substr(0, dash);
    std::string_view toText =
        text.substr(dash + 1, sep == std::string_view::npos ? std::string_view::npos
                                                            : sep - dash - 1);
    std::string_view stepText =
        sep == std::string_view::npos ? std::string_view() : text.substr(sep + 1);
    int from = 0, to = 0, step = 0;
    if (!parseInt32(trim(fromText), from) || !parseInt32(trim(toText), to) ||
        !parseInt32(trim(stepText), step) || step == 0) {
        return list;
    }
    long long count = (static_cast<long long>(to) - from) / step + 1;
    if (count <= 0 || count > kMaxValueListLength) {
        return list;
    }
    list.reserve(static_cast<size_t>(count));
    for (long long i = 0; i < count; ++i) {
        list.push_back(static_cast<int32_t>(from + i * step));
    }
    return list;
}

std::string intListToText(const TIntArray& list, std::string_view separator) {
    std::string out;
    for (size_t i = 0; i < list.size(); ++i) {
        if (i > 0) {
            out += separator;
        }
        out += std::to_string(list[i]);
    }
    return out;
}

int positionalMatches(const TDrawRec& draw, const TCombRec& comb) {
    int n = 0;
    for (int i = 0; i < kPositions; ++i) {
        n += draw.Digits[i] == comb.Digits[i];
    }
    return n;
}

int positionalMatches(const TDrawRec& a, const TDrawRec& b) {
    return positionalMatches(a, drawToComb(b));
}

int positionalMatches(const TCombRec& a, const TCombRec& b) {
    int n = 0;
    for (int i = 0; i < kPositions; ++i) {
        n += a.Digits[i] == b.Digits[i];
    }
    return n;
}

TNumberSet matchedDigits(const TDrawRec& draw, const TNumberSet& set) {
    TNumberSet out;
    int n = std::clamp(set.Count, 0, kPositions);
    for (int i = 0; i < n; ++i) {
        if (set.Digits[static_cast<size_t>(i)] == draw.Digits[static_cast<size_t>(i)]) {
            out.Digits[static_cast<size_t>(out.Count++)] = set.Digits[static_cast<size_t>(i)];
        }
    }
    sortNumberSet(out);
    return out;
}

bool numberSetsEqual(const TNumberSet& a, const TNumberSet& b) {
    if (a.Count != b.Count) {
        return false;
    }
    int n = std::clamp(a.Count, 0, 8);
    return std::equal(a.Digits.begin(), a.Digits.begin() + n, b.Digits.begin());
}

void sortDescending(TIntArray& list) {
    std::sort(list.begin(), list.end(), std::greater<>());
}

void sortDigits(std::array<uint8_t, kPositions>& digits) {
    std::sort(digits.begin(), digits.end());
}

void sortNumberSet(TNumberSet& set) {
    int n = std::clamp(set.Count, 0, 8);
    std::sort(set.Digits.begin(), set.Digits.begin() + n);
}

std::array<uint8_t, kPositions> sortedDigits(const TDrawRec& draw) {
    std::array<uint8_t, kPositions> d = draw.Digits;
    sortDigits(d);
    return d;
}

std::string DrawDescription(const TDrawRec& draw) {
    return format(texts::kDrawDescription, draw.Number, draw.dateText(),
                  digitsToText(draw.Digits, ";"));
}

std::string differenceText(std::string_view text, int n) {
    long long s = 0;
    if (text.empty() || text[0] == '-' || text[0] == '+' || !parseInteger(text, s) ||
        text.find_first_not_of("0123456789") != std::string_view::npos) {
        return "-";
    }
    long long d = s - n;
    return d > 0 ? "+" + std::to_string(d) : std::to_string(d);
}

void MergeProfitDraw(TProfitDrawArray& array, int32_t draw, int64_t amount) {
    for (TProfitDrawRec& r : array) {
        if (r.Draw == draw) {
            r.Profit += amount;
            return;
        }
    }
    array.push_back(TProfitDrawRec{draw, amount});
}

TByteArray DifferenceReduce(const uint8_t* digits, int count, int mode) {
    std::vector<int> row(digits, digits + std::max(count, 0));
    if (row.size() < 2) {
        return TByteArray(row.begin(), row.end());
    }
    while (row.size() >= 3) {
        for (size_t i = 0; i + 1 < row.size(); ++i) {
            row[i] = std::abs(row[i + 1] - row[i]);
        }
        row.pop_back();
    }
    int a = row[0];
    int b = row[1];
    int r = std::abs(b - a);
    if (mode == 1 && r < 2) {
        r = a + b;
    } else if (mode == 2) {
        if (r == 0) {
            r = a + b;
        }
        if (r == 1) {
            return TByteArray{1, static_cast<uint8_t>(a + b)};
        }
    }
    return TByteArray{static_cast<uint8_t>(r)};
}

std::string segmentsToText(const std::array<uint8_t, 50>& segments) {
    std::string out;
    for (uint8_t s : segments) {
        out += std::to_string(s);
    }
    return out;
}

std::array<uint8_t, 50> textToSegments(std::string_view text) {
    std::array<uint8_t, 50> out{};
    for (size_t i = 0; i < out.size(); ++i) {
        char c = i < text.size() ? text[i] : ' ';
        out[i] = (c >= '0' && c <= '9') ? static_cast<uint8_t>(c - '0') : 1;
    }
    return out;
}

}  // namespace pentad
