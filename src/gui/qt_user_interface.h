// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's side of the core/UI interface: the status-line panel
// of the main window, the hourglass cursor while busy, the wait and progress
// windows, message boxes, Yes/No questions and the small input boxes.
#pragma once

#include <string>

#include <QObject>
#include <QPointer>

#include "shell/user_interface.h"

class QLabel;
class QProgressDialog;
class QWidget;

namespace pentad {

class QtUserInterface : public QObject, public IUserInterface {
    Q_OBJECT

public:
    explicit QtUserInterface(QObject* parent = nullptr);
    ~QtUserInterface() override;

    // The window that parents the boxes and small windows (may stay unset).
    void setWindow(QWidget* window);
    // The label that shows the status line.
    void setStatusPanel(QLabel* panel);

    // Raised by a Stop command; processEvents() reports it to the running
    // operation until it is cleared.
    void setStopRequested(bool stop) { m_stopRequested = stop; }

    void setStatusText(const std::string& text) override;
    void busyChanged(bool busy) override;
    void showWait(const std::string& text) override;
    void closeWait() override;
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
    bool processEvents() override;
    void openDocument(const std::string& path) override;
    void openAddress(const std::string& address) override;

signals:
    // The program entered (true) or left (false) the busy state; commands
    // re-evaluate their enabling on it.
    void busyStateChanged(bool busy);

private:
    QPointer<QWidget> m_window;
    QPointer<QLabel> m_statusPanel;
    QPointer<QLabel> m_wait;
    QPointer<QProgressDialog> m_progress;
    bool m_stopRequested = false;
};

// Caption of the standard box of that kind ("Ошибка", "Информация", ...).
const char* messageCaption(MessageKind kind);

}  // namespace pentad
