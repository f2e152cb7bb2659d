// SPDX-License-Identifier: GPL-3.0-or-later
#include "stakes/stake_record.h"

#include <algorithm>
#include <cstring>

#include "game/routines.h"
#include "shell/cp1251.h"
#include "shell/money.h"
#include "stakes/stake_texts.h"

namespace pentad {

void encodeShortString(const std::string& utf8, uint8_t* out, size_t size) {
    std::string bytes = utf8ToCp1251(utf8);
    size_t n = std::min(bytes.size(), size - 1);
    std::memset(out, 0, size);
    out[0] = static_cast<uint8_t>(n);
    std::memcpy(out + 1, bytes.data(), n);
}

std::string decodeShortString(const uint8_t* in, size_t size) {
    size_t n = std::min<size_t>(in[0], size - 1);
    return cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(in + 1), n));
}

void TStakeRec::encode(uint8_t* out) const {
    std::memset(out, 0, kSize);
    out[0] = Version;
    out[1] = Kind;
    putInt32(out + 4, DrawNumber);
    out[8] = Checked;
    putInt32(out + 12, SampleSize);
    Stake.encode(out + 16);
    std::memcpy(out + 28, Result.data(), 5);
    Matches.encode(out + 36);
    putInt64(out + 48, Profit);
    encodeShortString(Comment, out + 56, 256);
}

TStakeRec TStakeRec::decode(const uint8_t* in) {
    TStakeRec r;
    r.Version = in[0];
    r.Kind = in[1];
    r.DrawNumber = getInt32(in + 4);
    r.Checked = in[8];
    r.SampleSize = getInt32(in + 12);
    r.Stake = TNumberSet::decode(in + 16);
    std::memcpy(r.Result.data(), in + 28, 5);
    r.Matches = TNumberSet::decode(in + 36);
    r.Profit = getInt64(in + 48);
    r.Comment = decodeShortString(in + 56, 256);
    return r;
}

TStakeRec separatorStake() {
    return TStakeRec{};
}

int64_t ticketCount(const TNumberSet& stake) {
    if (stake.Count <= 5) {
        return 1;
    }
    int64_t n = 1;
    for (int i = 0; i < 5; ++i) {
        n *= stake.Count;
    }
    return n;
}

int64_t StakeCost(const TConfigData& config, const TNumberSet& stake, int matches) {
    int64_t cost = -(ticketCount(stake) * config.Cost);
    if (matches >= 0) {
        for (const TProfitRec& p : config.Profits) {
            if (p.Overlap == matches) {
                return cost + p.Profit;
            }
        }
    }
    return cost;
}

TStakeRec makeStake(const TConfigData& config, StakeKind kind, const TCombRec& comb,
                    int32_t drawNumber, int32_t sampleSize, const std::string& comment) {
    TStakeRec r;
    r.Kind = kind;
    r.DrawNumber = drawNumber;
    r.SampleSize = sampleSize;
    r.Stake = combToNumberSet(comb);
    r.Matches.Count = -1;
    r.Profit = StakeCost(config, r.Stake, -1);
    r.Comment = utf8Left(comment, 255);
    return r;
}

void scoreStake(TStakeRec& stake, const TDrawRec& draw, const TConfigData& config) {
    stake.Checked = 1;
    stake.Result = draw.Digits;
    TNumberSet first5 = stake.Stake;
    first5.Count = std::min(first5.Count, 5);
    stake.Matches = matchedDigits(draw, first5);
    stake.Profit = StakeCost(config, stake.Stake, stake.Matches.Count);
}

std::array<std::string, 9> stakeCells(const TStakeRec& s) {
    std::array<std::string, 9> c;
    if (s.isSeparator()) {
        return c;
    }
    c[0] = std::to_string(s.DrawNumber);
    c[1] = s.Kind < 5 ? texts::kStakeKindCaptions[s.Kind] : "";
    c[2] = numberSetToText(s.Stake, ";");
    c[3] = std::to_string(s.SampleSize);
    if (s.Checked != 0) {
        c[4] = digitsToText(s.Result, ";");
        c[5] = std::to_string(s.Matches.Count);
        c[6] = numberSetToText(s.Matches, " ");
    }
    c[7] = moneyToText(s.Profit);
    c[8] = s.Comment;
    return c;
}

}  // namespace pentad
