// SPDX-License-Identifier: GPL-3.0-or-later
// The one interface through which the core talks to whoever drives it. The
// desktop program implements it with Qt, the command-line tool and the tests
// implement it without windows. UTF-8 text only, no toolkit types.
#pragma once

#include <optional>
#include <string>

namespace pentad {

enum class MessageKind { Error, Information, Attention, Warning };

class IUserInterface {
public:
    virtual ~IUserInterface() = default;

    // Writes the status-line panel and lets pending window messages run so the
    // text shows at once.
    virtual void setStatusText(const std::string& text) = 0;

    // Called when the busy counter leaves or returns to zero (hourglass cursor).
    virtual void busyChanged(bool busy) = 0;

    // The wait window: a small window with one line of text.
    virtual void showWait(const std::string& text) = 0;
    virtual void closeWait() = 0;

    // The progress window: text, a bar with a maximum and a position.
    virtual void progressShow(const std::string& text, int maximum) = 0;
    virtual void progressText(const std::string& text) = 0;
    virtual void progressPosition(int position) = 0;
    virtual void progressClose() = 0;

    // A message box of the given kind; texts use "\r\r" between headline and details.
    virtual void message(MessageKind kind, const std::string& text) = 0;

    // A Yes/No question captioned `caption`; `defaultYes` picks the default
    // button. Closing the box without choosing answers No.
    virtual bool confirm(const std::string& caption, const std::string& text, bool defaultYes) = 0;

    // Asks for a number within [minimum, maximum]; empty when cancelled.
    virtual std::optional<long long> askNumber(const std::string& caption,
                                               const std::string& prompt, long long value,
                                               long long minimum, long long maximum) = 0;

    // Asks for a line of text; empty when cancelled.
    virtual std::optional<std::string> askText(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& value) = 0;

    // Lets pending window messages run during long work. Returns true when the
    // user asked to stop the running operation.
    virtual bool processEvents() = 0;

    // Opens a document with the desktop's default handler, an address in the
    // browser. Interfaces without a desktop ignore them.
    virtual void openDocument(const std::string& /*path*/) {}
    virtual void openAddress(const std::string& /*address*/) {}
};

}  // namespace pentad
