// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/records.h"

#include <gtest/gtest.h>

#include <cstring>

namespace pentad {
namespace {

TEST(DrawRecord, RoundTripsHandWrittenBytes) {
    // Draw 9124 of "01/31/2024 E" with digits 0 4 4 9 1.
    const uint8_t bytes[24] = {0xA4, 0x23, 0x00, 0x00, 0, 4, 4, 9, 1, 12, '0', '1',
                               '/',  '3',  '1',  '/',  '2', '0', '2', '4', ' ', 'E', 0, 0};
    TDrawRec d = TDrawRec::decode(bytes);
    EXPECT_EQ(d.Number, 9124);
    EXPECT_EQ(d.Digits, (std::array<uint8_t, 5>{0, 4, 4, 9, 1}));
    EXPECT_EQ(d.dateText(), "01/31/2024 E");
    EXPECT_EQ(d.sum(), 18);

    uint8_t out[24];
    std::memset(out, 0xEE, sizeof out);
    d.encode(out);
    EXPECT_EQ(0, std::memcmp(out, bytes, 24));
}

TEST(DrawRecord, IgnoresBytesBehindTheDateLengthAndWritesZeros) {
    uint8_t bytes[24] = {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 3, 'a', 'b', 'c', 'X', 'Y'};
    bytes[22] = 0x55;
    TDrawRec d = TDrawRec::decode(bytes);
    EXPECT_EQ(d.Number, -1);
    EXPECT_EQ(d.dateText(), "abc");
    uint8_t out[24];
    d.encode(out);
    EXPECT_EQ(out[13], 0);  // "X" is not carried over
    EXPECT_EQ(out[22], 0);  // padding written as zero
    EXPECT_EQ(out[23], 0);
}

TEST(DrawRecord, DateTextIsCutToTwelveCharacters) {
    TDrawRec d;
    d.setDateText("01/31/2024 E and more");
    EXPECT_EQ(d.dateText(), "01/31/2024 E");
    d.setDateText("ЯЯЯЯЯЯЯЯЯЯЯЯЯЯ");  // Cyrillic: one byte each in the file
    EXPECT_EQ(d.DateLength, 12);
    EXPECT_EQ(d.dateText(), "ЯЯЯЯЯЯЯЯЯЯЯЯ");
}

TEST(NumberSet, RoundTripsHandWrittenBytes) {
    const uint8_t bytes[12] = {5, 0, 0, 0, 1, 2, 3, 4, 5, 0, 0, 0};
    TNumberSet s = TNumberSet::decode(bytes);
    EXPECT_EQ(s.Count, 5);
    EXPECT_EQ(s.Digits[4], 5);
    uint8_t out[12];
    s.encode(out);
    EXPECT_EQ(0, std::memcmp(out, bytes, 12));
}

TEST(GameConstants, AreComputedAtStart) {
    initGameConstants();
    EXPECT_EQ(CombinationCount, 100000);
    EXPECT_EQ(SumLow, 10);
    EXPECT_EQ(SumHigh, 35);
    EXPECT_EQ(SumBand, 2);
}

}  // namespace
}  // namespace pentad
