// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/shell.h"

#include <algorithm>
#include <cctype>
#include <exception>

#include "shell/error.h"
#include "shell/messages.h"

namespace pentad {

void Shell::beginBusy() {
    if (m_busy++ == 0) {
        m_ui->busyChanged(true);
    }
}

void Shell::endBusy() {
    if (m_busy <= 0) {
        m_busy = 0;
        return;
    }
    if (--m_busy == 0) {
        m_ui->busyChanged(false);
    }
}

void Shell::setStatus(const std::string& text) {
    m_status = text;
    m_ui->setStatusText(text);
}

void Shell::showWait(const std::string& text) {
    m_waitShown = true;
    m_ui->showWait(text);
}

void Shell::setWaitText(const std::string& text) {
    if (m_waitShown) {
        m_ui->showWait(text);
    }
}

void Shell::closeWait() {
    if (m_waitShown) {
        m_waitShown = false;
        m_ui->closeWait();
    }
}

void Shell::startProgress(const std::string& text, int maximum) {
    if (m_progressShown) {
        throw Error(texts::kProgressExists);
    }
    m_progressShown = true;
    m_progressPos = 0;
    m_progressMax = std::max(0, maximum);
    m_ui->progressShow(text.empty() ? std::string(texts::kProgressDefault) : text, m_progressMax);
}

void Shell::setProgressText(const std::string& text) {
    if (m_progressShown) {
        m_ui->progressText(text);
    }
}

void Shell::stepProgress(int n) {
    if (!m_progressShown) {
        return;
    }
    m_progressPos = std::min(m_progressPos + n, m_progressMax);
    m_ui->progressPosition(m_progressPos);
}

void Shell::endProgress() {
    if (m_progressShown) {
        m_progressShown = false;
        m_ui->progressClose();
    }
}

bool Shell::confirm(const std::string& text) {
    return m_ui->confirm(texts::kCaptionConfirm, text, true);
}

bool Shell::confirmNo(const std::string& text) {
    return m_ui->confirm(texts::kCaptionConfirm, text, false);
}

std::string confirmDeleteText(int count) {
    if (count == 1) {
        return texts::kConfirmDeleteOne;
    }
    return format(texts::kConfirmDeleteMany, count);
}

bool Shell::confirmDelete(int count) {
    return m_ui->confirm(texts::kCaptionWarning, confirmDeleteText(count), false);
}

bool Shell::guard(const char* headlineFormat, const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        error(format(headlineFormat, std::string(e.what())));
        return false;
    }
}

}  // namespace pentad

namespace pentad {

bool Shell::guardWith(const std::function<std::string(const std::string&)>& message,
                      const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        error(message(e.what()));
        return false;
    }
}

}  // namespace pentad

namespace pentad {

std::string Shell::addressToOpen(const std::string& text) {
    for (const char* scheme : {"http://", "https://", "ftp://", "ftps://"}) {
        std::string s(scheme);
        if (text.size() >= s.size() &&
            std::equal(s.begin(), s.end(), text.begin(),
                       [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); })) {
            return text;
        }
    }
    return "http://" + text;
}

}  // namespace pentad
