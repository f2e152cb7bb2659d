// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/draw_card.h"

#include "game/routines.h"

namespace pentad {

bool DrawCard::update(const TDrawsArray& draws, bool force) {
    if (!force && m_numbers.size() == draws.size()) {
        return false;
    }
    const size_t n = draws.size();
    m_numbers.resize(n);
    m_masks.resize(n);
    for (size_t row = 0; row < n; ++row) {
        const TDrawRec& d = draws[n - 1 - row];
        uint16_t mask = 0;
        for (uint8_t digit : d.Digits) {
            if (digit < kDigitCount) {
                mask = static_cast<uint16_t>(mask | (1u << digit));
            }
        }
        m_numbers[row] = d.Number;
        m_masks[row] = mask;
    }
    return true;
}

std::optional<uint32_t> DrawCard::cellColor(int row, int digit, const CardOptions& options) const {
    if (options.sequences && has(row, digit)) {
        const bool repeat =
            (row > 0 && has(row - 1, digit)) || (row + 1 < rowCount() && has(row + 1, digit));
        const bool neighbour =
            (digit > 0 && has(row, digit - 1)) || (digit + 1 < kDigitCount && has(row, digit + 1));
        if (repeat) {
            return neighbour ? kCardRepeatNeighbour : kCardRepeat;
        }
        if (neighbour) {
            return kCardNeighbour;
        }
    }
    if (options.channels) {
        return groupColorRgb(digit, options.channelSize);
    }
    return std::nullopt;
}

}  // namespace pentad
