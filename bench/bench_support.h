// SPDX-License-Identifier: GPL-3.0-or-later
// What the benchmarks share: a user interface that shows nothing and answers
// Yes, and an archive shaped like the real one.
#pragma once

#include <optional>
#include <random>
#include <string>

#include "game/date_time.h"
#include "game/draw_archive.h"
#include "shell/user_interface.h"

namespace pentad::bench {

class QuietUi : public IUserInterface {
public:
    void setStatusText(const std::string&) override {}
    void busyChanged(bool) override {}
    void showWait(const std::string&) override {}
    void closeWait() override {}
    void progressShow(const std::string&, int) override {}
    void progressText(const std::string&) override {}
    void progressPosition(int) override {}
    void progressClose() override {}
    void message(MessageKind, const std::string&) override {}
    bool confirm(const std::string&, const std::string&, bool) override { return true; }
    std::optional<long long> askNumber(const std::string&, const std::string&, long long v,
                                       long long, long long) override {
        return v;
    }
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string& v) override {
        return v;
    }
    bool processEvents() override { return false; }
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
