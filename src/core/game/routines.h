// SPDX-License-Identifier: GPL-3.0-or-later
// Stateless routines over the game records: channels and their colours,
// digit shifts, texts of combinations and draws, value lists, positional
// matches and the small set helpers the statistics use.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/records.h"

namespace pentad {

// The 19 channel colours, index 1..19, as RGB 0xRRGGBB.
extern const std::array<uint32_t, 19> kChannelPalette;

// Background of the row at the analysis offset (RGB).
inline constexpr uint32_t kOffsetRowColor = 0xFFAAAA;

// C(n, k) as a real, 1 for k <= 0.
long double binomial(int n, int k);
// round(n^k) when k < n, else 1.
int64_t powerCount(int n, int k);
// C(p, k) * (v - 1)^(p - k), rounded; 1 when k >= v.
int64_t matchCount(int v, int p, int k);

// ceil((d + 1) / w): channels are numbered from 1.
int ChannelOf(int digit, int width);
// Windows colour value (0x00BBGGRR) of the digit's channel colour; 255 for a
// digit outside 0..9.
uint32_t GroupColor(int digit, int width);
// The same colour as RGB 0xRRGGBB (0xFF0000 for a digit outside 0..9).
uint32_t groupColorRgb(int digit, int width);

// d + s brought back into 0..9 by adding or subtracting 10 once (-9 <= s <= 9).
int ShiftDigit(int digit, int shift);
TCombRec shiftComb(const TCombRec& comb, int shift);

bool digitInDraw(const TDrawRec& draw, int value);
bool digitInComb(const TCombRec& comb, int value);
bool channelInDraw(const TDrawRec& draw, int channel, int width);
// True when for some position p the table entry [p, digit] equals `segment`.
bool segmentInDraw(const TDrawRec& draw, int segment, const TConfigData& config);

bool byteSetContains(const TByteArray& set, uint8_t value);
// Appends when not present; returns true when added.
bool byteSetAddUnique(TByteArray& set, uint8_t value);
void byteSetAppend(TByteArray& set, uint8_t value);

// Distinct digits of the combinations in order of first appearance, stopping
// once all ten are found.
TByteArray distinctDigits(const TCombsArray& combs);
int countDistinctDigits(const TCombsArray& combs);

TCombRec drawToComb(const TDrawRec& draw);
TNumberSet combToNumberSet(const TCombRec& comb);

// "1;2;3;4;5"
std::string CombToText(const TCombRec& comb);
// "05 00 09 01 03"
std::string CombToDisplayText(const TCombRec& comb);
std::string numberSetToText(const TNumberSet& set, std::string_view separator);
std::string digitsToText(const std::array<uint8_t, kPositions>& digits,
                         std::string_view separator);

// Splits at TAB, blank, ",", "-", ".", ":", ";", "|" (empty words ignored);
// exactly five words are needed, each read as a number (non-number gives 0).
// Throws pentad::Error "Некорректная комбинация: \"%s\"!" otherwise.
TCombRec TextToComb(std::string_view text);

// 1 "Вручную", 2 "Регуляр", 3 "Сценарий", 4 "Система", other "".
std::string stakeKindText(int kind);

// "1; 3,5" gives 1, 3, 5; "1-10;2" gives 1, 3, 5, 7, 9; any failure gives an
// empty list. Ranges longer than kMaxValueListLength give an empty list.
inline constexpr int kMaxValueListLength = 1000000;
TIntArray ParseValueList(std::string_view text);
std::string intListToText(const TIntArray& list, std::string_view separator);

int positionalMatches(const TDrawRec& draw, const TCombRec& comb);
int positionalMatches(const TDrawRec& a, const TDrawRec& b);
int positionalMatches(const TCombRec& a, const TCombRec& b);

// Digits of `set` equal to the draw's digit at the same position, ascending.
TNumberSet matchedDigits(const TDrawRec& draw, const TNumberSet& set);
bool numberSetsEqual(const TNumberSet& a, const TNumberSet& b);

void sortDescending(TIntArray& list);
void sortDigits(std::array<uint8_t, kPositions>& digits);
void sortNumberSet(TNumberSet& set);
// The draw's digits ascending (the "MIN->MAX" display).
std::array<uint8_t, kPositions> sortedDigits(const TDrawRec& draw);

// "Тираж № %d от %s, значения: %s"
std::string DrawDescription(const TDrawRec& draw);

// "-" when `text` is not a non-negative integer; else d = text - n written
// "+d" when positive, plain otherwise.
std::string differenceText(std::string_view text, int n);

// Adds the amount to the element of that draw, or appends it.
void MergeProfitDraw(TProfitDrawArray& array, int32_t draw, int64_t amount);

// Repeated absolute differences down to two values a, b: [|b - a|]; mode 1
// replaces a result below 2 by a + b; mode 2 replaces 0 by a + b and 1 by [1, a + b].
TByteArray DifferenceReduce(const uint8_t* digits, int count, int mode);

// The 50 segment numbers as 50 decimal digits, and back (a missing or
// non-numeric character gives 1).
std::string segmentsToText(const std::array<uint8_t, 50>& segments);
std::array<uint8_t, 50> textToSegments(std::string_view text);

}  // namespace pentad
