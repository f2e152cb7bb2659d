// SPDX-License-Identifier: GPL-3.0-or-later
// What the benchmarks share: a user interface that shows nothing and answers
// Yes, and an archive shaped like the real one.
#pragma once

#include <optional>
#include <random>
#include <string>

#include "game/date_time.h"
#include "game/draw_archive.h"
#include "shell/quiet_user_interface.h"

namespace pentad::bench {

// Shows nothing and answers every question with yes.
class QuietUi : public QuietUserInterface {
public:
    bool confirm(const std::string&, const std::string&, bool) override { return true; }
};

// `count` draws of random digits, two a day (midday, evening) from 08/01/2016.
inline DrawArchive randomArchive(int count, unsigned seed) {
    DrawArchive archive;
    std::mt19937 rng(seed);
    const DateTime day = *encodeDate(2016, 8, 1);
    for (int i = 0; i < count; ++i) {
        TDrawRec d;
        d.Number = i + 1;
        for (auto& digit : d.Digits) {
            digit = static_cast<uint8_t>(rng() % 10);
        }
        d.setDateText(DrawDateText(day + i / 2 + (i % 2 ? kEveningTime : kMiddayTime)));
        archive.append(d);
    }
    return archive;
}

}  // namespace pentad::bench
