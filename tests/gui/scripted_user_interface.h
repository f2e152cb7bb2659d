// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt user interface with its boxes replaced by a script: messages are
// recorded instead of shown, confirmations and text boxes take queued answers
// (No or cancel when the queue is empty, as closing the box would). Nothing
// modal ever opens.
#pragma once

#include <deque>
#include <string>
#include <utility>
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

    struct TextRequest {
        std::string caption;
        std::string prompt;
        std::string value;
    };

    void queueAnswer(bool yes) { m_answers.push_back(yes); }
    // The next text box answers `text`; with none queued it is cancelled.
    void queueText(std::string text) { m_texts.push_back(std::move(text)); }

    std::vector<Message> messages;
    std::vector<Question> questions;
    std::vector<TextRequest> textRequests;

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
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& value) override {
        textRequests.push_back({caption, prompt, value});
        if (m_texts.empty()) {
            return std::nullopt;
        }
        std::string text = m_texts.front();
        m_texts.pop_front();
        return text;
    }

    std::vector<std::string> openedDocuments;
    std::vector<std::string> openedAddresses;
    void openDocument(const std::string& path) override { openedDocuments.push_back(path); }
    void openAddress(const std::string& address) override { openedAddresses.push_back(address); }

private:
    std::deque<bool> m_answers;
    std::deque<std::string> m_texts;
};

}  // namespace pentad::test
