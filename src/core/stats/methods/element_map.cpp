// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/element_map.h"

#include <algorithm>

#include "game/routines.h"
#include "shell/format_args.h"
#include "stats/stat_list.h"

namespace pentad {

ElementMap::ElementMap(const TStatList& list, ElementKind kind) : m_kind(kind) {
    const std::array<uint8_t, 50>& segments = list.config.MatrixSegments;
    if (kind == ElementKind::Channel) {
        m_width = list.config.ChannelSize;
    }
    for (int p = 1; p <= kPositions; ++p) {
        for (int d = 0; d < kDigitCount; ++d) {
            auto at = static_cast<size_t>((p - 1) * kDigitCount + d);
            switch (kind) {
                case ElementKind::Digit:
                    m_table[at] = static_cast<uint8_t>(d);
                    break;
                case ElementKind::Channel:
                    m_table[at] = static_cast<uint8_t>(ChannelOf(d, m_width));
                    break;
                case ElementKind::Segment:
                    m_table[at] = segments[at];
                    break;
            }
        }
    }
    switch (kind) {
        case ElementKind::Digit:
            m_range = {0, kDigitCount - 1};
            break;
        case ElementKind::Channel:
            m_range = m_width > 0 ? std::pair<int, int>{1, ChannelOf(9, m_width)}
                                  : std::pair<int, int>{1, 0};
            break;
        case ElementKind::Segment: {
            auto [lo, hi] = std::minmax_element(segments.begin(), segments.end());
            m_range = {*lo, *hi};
            break;
        }
    }
}

bool ElementMap::inDigits(const std::array<uint8_t, kPositions>& digits, int element) const {
    for (int p = 1; p <= kPositions; ++p) {
        if (of(p, digits[static_cast<size_t>(p - 1)]) == element) {
            return true;
        }
    }
    return false;
}

std::string ElementMap::text(int element) const {
    if (m_kind == ElementKind::Channel) {
        return formatIndexed("%.2d", {static_cast<long long>(element)});
    }
    return std::to_string(element);
}

}  // namespace pentad
