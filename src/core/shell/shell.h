// SPDX-License-Identifier: GPL-3.0-or-later
// The machinery every long operation uses: the process-wide busy counter that
// disables commands, the status line, the wait and progress windows, the
// standard message boxes and confirmations. It keeps the state and forwards
// what must be shown to the IUserInterface of the program that drives the core.
#pragma once

#include <functional>
#include <string>

#include "shell/user_interface.h"

namespace pentad {

class Shell {
public:
    explicit Shell(IUserInterface& ui) : m_ui(&ui) {}

    IUserInterface& ui() { return *m_ui; }

    // Busy counter: the program is idle when it is 0. An end at 0 leaves 0.
    void beginBusy();
    void endBusy();
    bool isIdle() const { return m_busy == 0; }
    int busyCount() const { return m_busy; }

    // Status line (panel 7 of the main window).
    void setStatus(const std::string& text);
    const std::string& status() const { return m_status; }

    // Wait window.
    void showWait(const std::string& text);
    void setWaitText(const std::string& text);  // only when the wait window is shown
    void closeWait();
    bool waitShown() const { return m_waitShown; }

    // Progress window. Throws pentad::Error "Окно индикатора уже создано!"
    // when one is already shown (the first one stays).
    void startProgress(const std::string& text, int maximum);
    void setProgressText(const std::string& text);
    // position = min(position + n, maximum)
    void stepProgress(int n = 1);
    void endProgress();
    bool progressShown() const { return m_progressShown; }
    int progressPosition() const { return m_progressPos; }
    int progressMaximum() const { return m_progressMax; }

    void error(const std::string& text) { m_ui->message(MessageKind::Error, text); }
    void information(const std::string& text) { m_ui->message(MessageKind::Information, text); }
    void attention(const std::string& text) { m_ui->message(MessageKind::Attention, text); }
    void warning(const std::string& text) { m_ui->message(MessageKind::Warning, text); }

    // Yes/No with Yes as the default.
    bool confirm(const std::string& text);
    // Yes/No with No as the default.
    bool confirmNo(const std::string& text);
    // "Удалить выделенную запись?" for one row, the count text otherwise;
    // true only for Yes.
    bool confirmDelete(int count);

    bool processEvents() { return m_ui->processEvents(); }

    void openDocument(const std::string& path) { m_ui->openDocument(path); }
    // An address without "http://", "https://", "ftp://" or "ftps://" gets
    // "http://" in front.
    void openAddress(const std::string& text) { m_ui->openAddress(addressToOpen(text)); }
    static std::string addressToOpen(const std::string& text);

    // Runs `work`; a failure is shown as an error box built from
    // `headlineFormat` (a pattern with one %s, such as
    // "Ошибка чтения файла тиражей!\r\r%s"). Returns false on failure.
    bool guard(const char* headlineFormat, const std::function<void()>& work);
    // The same with the error box text built from the failure text.
    bool guardWith(const std::function<std::string(const std::string&)>& message,
                   const std::function<void()>& work);

private:
    IUserInterface* m_ui;
    int m_busy = 0;
    std::string m_status;
    bool m_waitShown = false;
    bool m_progressShown = false;
    int m_progressPos = 0;
    int m_progressMax = 0;
};

// Text of confirm delete for `count` rows.
std::string confirmDeleteText(int count);

// Keeps the program busy for the life of the scope.
class BusyScope {
public:
    explicit BusyScope(Shell& shell) : m_shell(shell) { m_shell.beginBusy(); }
    ~BusyScope() { m_shell.endBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Shell& m_shell;
};

// Shows a status text for the life of the scope and clears it at the end.
class StatusTextScope {
public:
    StatusTextScope(Shell& shell, const std::string& text) : m_shell(shell) {
        m_shell.setStatus(text);
    }
    ~StatusTextScope() { m_shell.setStatus(std::string()); }
    StatusTextScope(const StatusTextScope&) = delete;
    StatusTextScope& operator=(const StatusTextScope&) = delete;

private:
    Shell& m_shell;
};

// Busy state plus status text: the standard frame of a long operation.
class OperationScope {
public:
    OperationScope(Shell& shell, const std::string& status) : m_busy(shell), m_status(shell, status) {}

private:
    BusyScope m_busy;
    StatusTextScope m_status;
};

// Progress window for the life of the scope.
class ProgressScope {
public:
    ProgressScope(Shell& shell, const std::string& text, int maximum) : m_shell(shell) {
        m_shell.startProgress(text, maximum);
    }
    ~ProgressScope() { m_shell.endProgress(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    Shell& m_shell;
};

// Wait window for the life of the scope.
class WaitScope {
public:
    WaitScope(Shell& shell, const std::string& text) : m_shell(shell) { m_shell.showWait(text); }
    ~WaitScope() { m_shell.closeWait(); }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    Shell& m_shell;
};

}  // namespace pentad
