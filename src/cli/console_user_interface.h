// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tool's side of the core/UI interface: messages go to
// stderr, confirmations are answered by the --yes flag, progress is a line on
// stderr that is rewritten in place.
#pragma once

#include <string>

#include "shell/user_interface.h"

namespace pentad::cli {

class ConsoleUserInterface : public IUserInterface {
public:
    void setAssumeYes(bool yes) { m_assumeYes = yes; }
    void setShowProgress(bool show) { m_showProgress = show; }

    // Number of error boxes shown so far; the tool exits non-zero when > 0.
    int errorCount() const { return m_errors; }

    void setStatusText(const std::string&) override {}
    void busyChanged(bool) override {}
    void showWait(const std::string&) override {}
    void closeWait() override {}
    void progressShow(const std::string& text, int maximum) override;
    void progressText(const std::string& text) override;
    void progressPosition(int position) override;
    void progressClose() override;
    void message(MessageKind kind, const std::string& text) override;
    bool confirm(const std::string& caption, const std::string& text, bool defaultYes) override;
    std::optional<long long> askNumber(const std::string& caption, const std::string& prompt,
                                       long long value, long long minimum,
                                       long long maximum) override;
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& value) override;
    bool processEvents() override { return false; }

private:
    void drawProgress();

    bool m_assumeYes = false;
    bool m_showProgress = true;
    int m_errors = 0;
    std::string m_progressText;
    int m_progressMax = 0;
    int m_progressPos = 0;
    int m_lastPercent = -1;
};

// The message text as a console shows it: "\r\r" and "\r\n" become line ends.
std::string consoleText(const std::string& text);

}  // namespace pentad::cli
