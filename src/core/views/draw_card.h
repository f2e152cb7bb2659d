// SPDX-License-Identifier: GPL-3.0-or-later
// The draw card: the whole archive as a grid of draws (newest first) against
// the ten digits, each drawn digit marked in its column, coloured so that a
// digit repeated in neighbouring draws and runs of neighbouring digits in one
// draw stand out. The grid is held as one ten-bit mask per draw and every
// colour is worked out when asked, so an archive of any length costs a few
// bytes a draw.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "game/records.h"

namespace pentad {

inline constexpr uint32_t kCardRepeatNeighbour = 0xFFFF00;  // yellow
inline constexpr uint32_t kCardRepeat = 0x00FF00;           // green
inline constexpr uint32_t kCardNeighbour = 0x00FFFF;        // aqua

struct CardOptions {
    bool channels = true;   // ColorCard: channel colours
    bool sequences = true;  // ColorCardSequences: repeats and neighbours
    int channelSize = 2;
};

class DrawCard {
public:
    // Rebuilds the rows from the archive (oldest first) unless `force` is
    // false and the card already holds that many draws. True when rebuilt.
    bool update(const TDrawsArray& draws, bool force);

    int rowCount() const { return static_cast<int>(m_numbers.size()); }
    // Row 0 is the newest draw.
    int32_t number(int row) const { return m_numbers[static_cast<size_t>(row)]; }
    // Bit d set when digit d was drawn (a digit drawn twice shows once).
    uint16_t mask(int row) const { return m_masks[static_cast<size_t>(row)]; }
    bool has(int row, int digit) const { return ((mask(row) >> digit) & 1u) != 0; }

    // Background of the cell of `digit` in `row` as RGB, empty for the
    // default colour.
    std::optional<uint32_t> cellColor(int row, int digit, const CardOptions& options) const;

private:
    std::vector<int32_t> m_numbers;
    std::vector<uint16_t> m_masks;
};

}  // namespace pentad
