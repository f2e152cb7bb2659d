// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/records.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "shell/cp1251.h"

namespace pentad {

int CombinationCount = 100000;
int SumLow = 10;
int SumHigh = 35;
int SumBand = 2;

void initGameConstants() {
    CombinationCount = static_cast<int>(std::lround(std::pow(10.0, kPositions)));
    SumLow = 0 + 1 + 2 + 3 + 4;
    SumHigh = 9 + 8 + 7 + 6 + 5;
    SumBand = (SumHigh - SumLow) / 10;
}

std::string TDrawRec::dateText() const {
    return cp1251ToUtf8(dateBytes());
}

void TDrawRec::setDateText(std::string_view utf8) {
    std::string bytes = utf8ToCp1251(utf8);
    DateLength = static_cast<uint8_t>(std::min(bytes.size(), kDateTextMax));
    DateChars.fill(0);
    std::memcpy(DateChars.data(), bytes.data(), DateLength);
}

int TDrawRec::sum() const {
    int s = 0;
    for (uint8_t d : Digits) {
        s += d;
    }
    return s;
}

void TDrawRec::encode(uint8_t* out) const {
    std::memset(out, 0, kSize);
    putInt32(out, Number);
    std::memcpy(out + 4, Digits.data(), kPositions);
    out[9] = DateLength;
    std::memcpy(out + 10, DateChars.data(), DateLength);
}

TDrawRec TDrawRec::decode(const uint8_t* in) {
    TDrawRec r;
    r.Number = getInt32(in);
    std::memcpy(r.Digits.data(), in + 4, kPositions);
    r.DateLength = std::min<uint8_t>(in[9], kDateTextMax);
    std::memcpy(r.DateChars.data(), in + 10, r.DateLength);
    return r;
}

void TNumberSet::encode(uint8_t* out) const {
    putInt32(out, Count);
    std::memcpy(out + 4, Digits.data(), Digits.size());
}

TNumberSet TNumberSet::decode(const uint8_t* in) {
    TNumberSet s;
    s.Count = getInt32(in);
    std::memcpy(s.Digits.data(), in + 4, s.Digits.size());
    return s;
}

}  // namespace pentad
