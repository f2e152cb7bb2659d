// SPDX-License-Identifier: GPL-3.0-or-later
// The game's constants and the plain records every subsystem shares: a draw,
// a combination, a short digit list, the prize table row, the game settings
// and the proxy settings. Records stored in binary files have explicit
// little-endian codecs; their in-memory layout is never written as is.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pentad {

inline constexpr int kPositions = 5;
inline constexpr int kDigitCount = 10;
inline constexpr int kDrawsPerDay = 2;

// Computed once at start (see initGameConstants).
extern int CombinationCount;
extern int SumLow;
extern int SumHigh;
extern int SumBand;
void initGameConstants();

// One draw: 24 bytes in the archive file.
struct TDrawRec {
    static constexpr size_t kSize = 24;
    static constexpr size_t kDateTextMax = 12;

    int32_t Number = 0;
    std::array<uint8_t, kPositions> Digits{};
    uint8_t DateLength = 0;                      // 0..12
    std::array<char, kDateTextMax> DateChars{};  // cp1251, DateLength used

    // The date text as stored (cp1251 bytes; the game writes only ASCII).
    std::string_view dateBytes() const { return {DateChars.data(), DateLength}; }
    // The date text as UTF-8.
    std::string dateText() const;
    // Sets the date text from UTF-8, cut to 12 characters.
    void setDateText(std::string_view utf8);

    int sum() const;

    // Writes exactly 24 bytes (padding and unused date bytes as zero).
    void encode(uint8_t* out) const;
    // Reads 24 bytes; a length byte above 12 is read as 12.
    static TDrawRec decode(const uint8_t* in);

    bool operator==(const TDrawRec&) const = default;
};

using TDrawsArray = std::vector<TDrawRec>;

// One combination: the digits of positions 1..5.
struct TCombRec {
    std::array<uint8_t, kPositions> Digits{};
    bool operator==(const TCombRec&) const = default;
};
static_assert(sizeof(TCombRec) == 5);

using TCombsArray = std::vector<TCombRec>;
using TByteArray = std::vector<uint8_t>;
using TIntArray = std::vector<int32_t>;

// A short digit list of 12 bytes: count and up to eight digits.
struct TNumberSet {
    static constexpr size_t kSize = 12;
    int32_t Count = 0;
    std::array<uint8_t, 8> Digits{};

    void encode(uint8_t* out) const;
    static TNumberSet decode(const uint8_t* in);
    bool operator==(const TNumberSet&) const = default;
};

// Prize table row: matching positions and prize x 10000.
struct TProfitRec {
    uint8_t Overlap = 0;
    int64_t Profit = 0;
    bool operator==(const TProfitRec&) const = default;
};

// The game parameters held by the statistics list and edited by the
// configuration dialog.
struct TConfigData {
    int32_t MatrixCols = 3;
    int32_t ChannelSize = 2;
    int64_t Cost = 0;
    int32_t MaxStake = 5;
    std::vector<TProfitRec> Profits;
    long double CoefCount = 0;
    long double CoefDeviation = -1;
    long double CoefLevel = 1;
    bool UsePercents = false;
    bool UseAbsValues = false;
    std::array<uint8_t, 50> MatrixSegments = filledSegments();

    static std::array<uint8_t, 50> filledSegments() {
        std::array<uint8_t, 50> a{};
        a.fill(1);
        return a;
    }
    // Segment of `digit` at position `position` (1..5).
    uint8_t segment(int position, int digit) const {
        return MatrixSegments[static_cast<size_t>((position - 1) * 10 + digit)];
    }
    bool operator==(const TConfigData&) const = default;
};

// Proxy settings and state of the main window.
struct TProxy {
    uint8_t Mode = 0;  // 0 no proxy, 1 automatic search, 2 manual
    std::string Server;
    int32_t Port = 0;
    std::string Username;
    std::string Password;
    bool Saved = false;
    std::vector<std::string> Candidates;  // "%s:%d"
};

// Profit per draw.
struct TProfitDrawRec {
    int32_t Draw = 0;
    int64_t Profit = 0;
};
using TProfitDrawArray = std::vector<TProfitDrawRec>;

// Element of the layout view.
struct TShemaRec {
    uint8_t Digit = 0;
    int32_t Count = 0;
    int32_t LastDraw = 0;
};
using TShemaArray = std::vector<TShemaRec>;

// Little-endian helpers for the binary codecs.
inline void putInt32(uint8_t* p, int32_t v) {
    auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<uint8_t>(u >> (8 * i));
    }
}
inline int32_t getInt32(const uint8_t* p) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) {
        u |= static_cast<uint32_t>(p[i]) << (8 * i);
    }
    return static_cast<int32_t>(u);
}
inline void putInt64(uint8_t* p, int64_t v) {
    auto u = static_cast<uint64_t>(v);
    for (int i = 0; i < 8; ++i) {
        p[i] = static_cast<uint8_t>(u >> (8 * i));
    }
}
inline int64_t getInt64(const uint8_t* p) {
    uint64_t u = 0;
    for (int i = 0; i < 8; ++i) {
        u |= static_cast<uint64_t>(p[i]) << (8 * i);
    }
    return static_cast<int64_t>(u);
}

}  // namespace pentad
