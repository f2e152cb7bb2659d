// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/user_interface.h"

namespace pentad {

// Shows nothing and answers every question with its default, for work that
// runs without a window (worker threads, benchmarks, fuzzing). Messages are
// kept in `sink` when one is set.
class QuietUserInterface : public IUserInterface {
public:
    std::vector<std::pair<MessageKind, std::string>>* sink = nullptr;

    void setStatusText(const std::string&) override {}
    void busyChanged(bool) override {}
    void showWait(const std::string&) override {}
    void closeWait() override {}
    void progressShow(const std::string&, int) override {}
    void progressText(const std::string&) override {}
    void progressPosition(int) override {}
    void progressClose() override {}
    void message(MessageKind kind, const std::string& text) override {
        if (sink != nullptr) {
            sink->emplace_back(kind, text);
        }
    }
    bool confirm(const std::string&, const std::string&, bool defaultYes) override {
        return defaultYes;
    }
    std::optional<long long> askNumber(const std::string&, const std::string&, long long value,
                                       long long, long long) override {
        return value;
    }
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string& value) override {
        return value;
    }
    bool processEvents() override { return false; }
};

}  // namespace pentad
