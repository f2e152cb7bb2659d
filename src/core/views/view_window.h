// SPDX-License-Identifier: GPL-3.0-or-later
// The window of recent draws a view looks at: the latest known draw (the
// newest one minus the analysis offset) and up to n - 1 draws before it.
#pragma once

#include <algorithm>

#include "game/draw_archive.h"

namespace pentad {

struct DrawWindow {
    int first = 0;  // archive index of the oldest draw of the window
    int last = -1;  // archive index of the newest; -1 when there is none

    bool empty() const { return last < first; }
    int size() const { return empty() ? 0 : last - first + 1; }
};

// What a view built over a window depends on: the number of draws, the
// offset and the window length. A view rebuilds when it changes.
struct WindowKey {
    int draws = -1;
    int offset = -1;
    int length = -1;

    bool operator==(const WindowKey&) const = default;
};

inline WindowKey windowKey(const DrawArchive& archive, int length) {
    return {archive.count(), archive.offset(), length};
}

// The window of `length` draws ending at the latest known draw; empty for an
// empty archive. A length beyond the archive takes the whole archive.
inline DrawWindow analysisWindow(const DrawArchive& archive, int length) {
    if (archive.empty()) {
        return {};
    }
    const int last = archive.latestIndex();
    return {std::max(0, last - std::max(length, 1) + 1), last};
}

}  // namespace pentad
