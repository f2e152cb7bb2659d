// SPDX-License-Identifier: GPL-3.0-or-later
// A user interface for tests: records every message and status text and
// answers confirmations from a queue (No when the queue is empty).
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "shell/user_interface.h"

namespace pentad::test {

class ScriptedUserInterface : public IUserInterface {
public:
    struct Message {
        MessageKind kind;
        std::string text;
    };
    struct Question {
        std::string caption;
        std::string text;
        bool defaultYes;
    };

    std::vector<Message> messages;
    std::vector<Question> questions;
    std::vector<std::string> statusTexts;
    std::vector<std::string> waitTexts;  // every text the wait window showed
    std::deque<bool> answers;
    bool busy = false;
    int progressMaximum = 0;
    int progressPositionValue = 0;
    int progressShows = 0;

    void answerNext(bool yes) { answers.push_back(yes); }
    bool hasError() const {
        for (const auto& m : messages) {
            if (m.kind == MessageKind::Error) {
                return true;
            }
        }
        return false;
    }

    void setStatusText(const std::string& text) override { statusTexts.push_back(text); }
    void busyChanged(bool b) override { busy = b; }
    void showWait(const std::string& text) override { waitTexts.push_back(text); }
    void closeWait() override {}
    void progressShow(const std::string&, int maximum) override {
        ++progressShows;
        progressMaximum = maximum;
        progressPositionValue = 0;
    }
    void progressText(const std::string&) override {}
    void progressPosition(int position) override { progressPositionValue = position; }
    void progressClose() override {}
    void message(MessageKind kind, const std::string& text) override {
        messages.push_back(Message{kind, text});
    }
    bool confirm(const std::string& caption, const std::string& text, bool defaultYes) override {
        questions.push_back(Question{caption, text, defaultYes});
        if (answers.empty()) {
            return false;
        }
        bool a = answers.front();
        answers.pop_front();
        return a;
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

}  // namespace pentad::test
