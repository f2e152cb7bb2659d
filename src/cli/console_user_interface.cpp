// SPDX-License-Identifier: GPL-3.0-or-later
#include "console_user_interface.h"

#include <cstdio>

namespace pentad::cli {

std::string consoleText(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            out += '\n';
        } else {
            out += text[i];
        }
    }
    return out;
}

void ConsoleUserInterface::progressShow(const std::string& text, int maximum) {
    m_progressText = text;
    m_progressMax = maximum;
    m_progressPos = 0;
    m_lastPercent = -1;
    drawProgress();
}

void ConsoleUserInterface::progressText(const std::string& text) {
    m_progressText = text;
    m_lastPercent = -1;
    drawProgress();
}

void ConsoleUserInterface::progressPosition(int position) {
    m_progressPos = position;
    drawProgress();
}

void ConsoleUserInterface::progressClose() {
    if (m_showProgress && m_lastPercent >= 0) {
        std::fputc('\n', stderr);
    }
    m_lastPercent = -1;
}

void ConsoleUserInterface::drawProgress() {
    if (!m_showProgress) {
        return;
    }
    int percent = m_progressMax > 0 ? m_progressPos * 100 / m_progressMax : 0;
    if (percent == m_lastPercent) {
        return;
    }
    m_lastPercent = percent;
    std::fprintf(stderr, "\r%s %3d%%", m_progressText.c_str(), percent);
    std::fflush(stderr);
}

void ConsoleUserInterface::message(MessageKind kind, const std::string& text) {
    if (kind == MessageKind::Error) {
        ++m_errors;
    }
    std::fprintf(stderr, "%s\n", consoleText(text).c_str());
}

bool ConsoleUserInterface::confirm(const std::string&, const std::string& text, bool) {
    if (m_assumeYes) {
        return true;
    }
    std::fprintf(stderr, "%s\nНе подтверждено: добавьте ключ --yes.\n", consoleText(text).c_str());
    return false;
}

std::optional<long long> ConsoleUserInterface::askNumber(const std::string&, const std::string&,
                                                         long long value, long long, long long) {
    return value;
}

std::optional<std::string> ConsoleUserInterface::askText(const std::string&, const std::string&,
                                                         const std::string& value) {
    return value;
}

}  // namespace pentad::cli
