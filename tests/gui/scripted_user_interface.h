// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt user interface with its boxes replaced by a script: messages are
// recorded instead of shown, confirmations take queued answers (No when the
// queue is empty, as closing the box would). Nothing modal ever opens.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "qt_user_interface.h"

namespace pentad::test {

class ScriptedUserInterface : public QtUserInterface {
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

    void queueAnswer(bool yes) { m_answers.push_back(yes); }

    std::vector<Message> messages;
    std::vector<Question> questions;

    void message(MessageKind kind, const std::string& text) override {
        messages.push_back({kind, text});
    }
    bool confirm(const std::string& caption, const std::string& text, bool defaultYes) override {
        questions.push_back({caption, text, defaultYes});
        if (m_answers.empty()) {
            return false;
        }
        bool yes = m_answers.front();
        m_answers.pop_front();
        return yes;
    }
    std::optional<long long> askNumber(const std::string&, const std::string&, long long, long long,
                                       long long) override {
        return std::nullopt;
    }
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string&) override {
        return std::nullopt;
    }

private:
    std::deque<bool> m_answers;
};

}  // namespace pentad::test
