// SPDX-License-Identifier: GPL-3.0-or-later
// What a digit at a position stands for in the families that follow one
// element across draws (series, periods, transitions): the digit itself, its
// channel, or its matrix segment. The settings are copied when an instance is
// created, so later changes leave the instance alone.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "game/records.h"

namespace pentad {

class TStatList;

enum class ElementKind : uint8_t { Digit, Channel, Segment };

class ElementMap {
public:
    ElementMap(const TStatList& list, ElementKind kind);

    ElementKind kind() const { return m_kind; }
    // Channel width copied from the settings (channel maps only).
    int width() const { return m_width; }
    // Element of `digit` (0..9; larger digits read as 9) at `position` (1..5).
    int of(int position, int digit) const {
        return m_table[static_cast<size_t>((position - 1) * kDigitCount + std::min(digit, 9))];
    }
    // True when some position p of the digits has of(p, digits[p]) == element.
    bool inDigits(const std::array<uint8_t, kPositions>& digits, int element) const;
    // Lowest and highest element value: 0..9 for digits, 1..channel of 9 for
    // channels (none for a width of 0 or less), smallest..largest table entry
    // for segments. Empty when lo > hi.
    std::pair<int, int> range() const { return m_range; }
    // Decimal text; channels with two digits ("04").
    std::string text(int element) const;

private:
    ElementKind m_kind;
    int m_width = 0;
    std::pair<int, int> m_range;
    std::array<uint8_t, kPositions * kDigitCount> m_table{};
};

}  // namespace pentad
