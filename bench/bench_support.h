// SPDX-License-Identifier: GPL-3.0-or-later
// A user interface that shows nothing and answers Yes, for benchmarks.
#pragma once

#include <optional>
#include <string>

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

}  // namespace pentad::bench
