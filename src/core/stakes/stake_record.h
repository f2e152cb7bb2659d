// SPDX-License-Identifier: GPL-3.0-or-later
// One record of the stake ledger (312 bytes in "Pentad.lsk"), the stake
// kinds, and the money result of a stake under the prize table.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/records.h"

namespace pentad {

enum StakeKind : uint8_t {
    kStakeSeparator = 0,
    kStakeManual = 1,
    kStakeRegular = 2,
    kStakeScenario = 3,
    kStakeSystem = 4,
};

struct TStakeRec {
    static constexpr size_t kSize = 312;
    static constexpr uint8_t kVersion = 2;

    uint8_t Version = kVersion;
    uint8_t Kind = kStakeSeparator;
    int32_t DrawNumber = -1;
    uint8_t Checked = 0;
    int32_t SampleSize = 0;
    TNumberSet Stake;
    std::array<uint8_t, 5> Result{};
    TNumberSet Matches{-1, {}};
    int64_t Profit = 0;
    std::string Comment;  // UTF-8; at most 255 characters in the file

    bool isSeparator() const { return DrawNumber <= 0; }

    void encode(uint8_t* out) const;
    static TStakeRec decode(const uint8_t* in);
    bool operator==(const TStakeRec&) const = default;
};

// A separator record.
TStakeRec separatorStake();

// Length-prefixed 8-bit text of `size` bytes (one length byte, at most
// size - 1 characters in cp1251, rest zero), and back to UTF-8.
void encodeShortString(const std::string& utf8, uint8_t* out, size_t size);
std::string decodeShortString(const uint8_t* in, size_t size);

// 1 when the stake has at most five digits, else Count^5.
int64_t ticketCount(const TNumberSet& stake);

// Money result of a stake with `matches` matches (-1: not scored): minus
// its cost, plus the prize of the first prize entry for that match count.
int64_t StakeCost(const TConfigData& config, const TNumberSet& stake, int matches);

// A new stake: digits, draw, sample size and comment; Profit = minus its cost.
TStakeRec makeStake(const TConfigData& config, StakeKind kind, const TCombRec& comb,
                    int32_t drawNumber, int32_t sampleSize, const std::string& comment);

// Scores a stake against its draw: Result, Matches, Checked and Profit.
void scoreStake(TStakeRec& stake, const TDrawRec& draw, const TConfigData& config);

// The cell texts of the ledger view (empty for separators).
std::array<std::string, 9> stakeCells(const TStakeRec& stake);

}  // namespace pentad
