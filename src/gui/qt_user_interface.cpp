// SPDX-License-Identifier: GPL-3.0-or-later
// Status line, busy cursor, wait and progress windows and the standard boxes
// of the desktop program.
#include "qt_user_interface.h"

#include <algorithm>
#include <limits>

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QUrl>
#include <QWidget>

#include "button_texts.h"
#include "qt_text.h"
#include "shell/messages.h"

namespace pentad {
namespace {

// Boxes are answered with the mouse, so the hourglass of a running operation
// gives way to the arrow while one is open.
class ArrowCursorScope {
public:
    ArrowCursorScope() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~ArrowCursorScope() { QApplication::restoreOverrideCursor(); }
    ArrowCursorScope(const ArrowCursorScope&) = delete;
    ArrowCursorScope& operator=(const ArrowCursorScope&) = delete;
};

// The wait window stays on top of everything; while a box asks something in
// the middle of a wait (the retry question of a download) it steps aside.
class WaitAsideScope {
public:
    explicit WaitAsideScope(QWidget* wait) : m_wait(wait) {
        if (m_wait && m_wait->isVisible()) {
            m_wait->hide();
            m_hidden = true;
        }
    }
    ~WaitAsideScope() {
        if (m_wait && m_hidden) {
            m_wait->show();
        }
    }
    WaitAsideScope(const WaitAsideScope&) = delete;
    WaitAsideScope& operator=(const WaitAsideScope&) = delete;

private:
    QPointer<QWidget> m_wait;
    bool m_hidden = false;
};

void processPendingEvents() {
    // User input waits: commands are disabled while busy anyway, and a click
    // must not start a second operation from inside the first one.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

const char* messageCaption(MessageKind kind) {
    switch (kind) {
        case MessageKind::Error:
            return texts::kCaptionError;
        case MessageKind::Information:
            return texts::kCaptionInformation;
        case MessageKind::Attention:
            return texts::kCaptionAttention;
        case MessageKind::Warning:
            return texts::kCaptionWarning;
    }
    return texts::kCaptionError;
}

QtUserInterface::QtUserInterface(QObject* parent) : QObject(parent) {}

QtUserInterface::~QtUserInterface() {
    delete m_wait.data();
    delete m_progress.data();
}

void QtUserInterface::setWindow(QWidget* window) {
    m_window = window;
}

void QtUserInterface::setStatusPanel(QLabel* panel) {
    m_statusPanel = panel;
}

void QtUserInterface::setStatusText(const std::string& text) {
    if (m_statusPanel) {
        m_statusPanel->setText(uiText(text));
        processPendingEvents();
    }
}

void QtUserInterface::busyChanged(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
    emit busyStateChanged(busy);
}

void QtUserInterface::showWait(const std::string& text) {
    if (!m_wait) {
        m_wait =
            new QLabel(m_window, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        m_wait->setAttribute(Qt::WA_DeleteOnClose, false);
        m_wait->setFrameStyle(QFrame::Panel | QFrame::Raised);
        m_wait->setLineWidth(2);
        m_wait->setAlignment(Qt::AlignCenter);
        m_wait->setMargin(16);
        m_wait->setMinimumSize(320, 80);
    }
    m_wait->setText(displayText(text));
    m_wait->adjustSize();
    if (m_window) {
        QRect frame = m_window->frameGeometry();
        m_wait->move(frame.center() - m_wait->rect().center());
    }
    m_wait->show();
    m_wait->raise();
    processPendingEvents();
}

void QtUserInterface::closeWait() {
    delete m_wait.data();
}

void QtUserInterface::progressShow(const std::string& text, int maximum) {
    delete m_progress.data();
    m_progress = new QProgressDialog(m_window);
    // The operations of this program are never cancelled from the progress
    // window, so it has no Cancel button.
    m_progress->setCancelButton(nullptr);
    m_progress->setWindowFlag(Qt::WindowCloseButtonHint, false);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(0);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setLabelText(uiText(text));
    m_progress->setRange(0, std::max(0, maximum));
    m_progress->setValue(0);
    m_progress->show();
    processPendingEvents();
}

void QtUserInterface::progressText(const std::string& text) {
    if (m_progress) {
        m_progress->setLabelText(uiText(text));
        processPendingEvents();
    }
}

void QtUserInterface::progressPosition(int position) {
    if (m_progress) {
        m_progress->setValue(std::clamp(position, 0, m_progress->maximum()));
    }
}

void QtUserInterface::progressClose() {
    delete m_progress.data();
}

void QtUserInterface::message(MessageKind kind, const std::string& text) {
    QMessageBox::Icon icon = QMessageBox::Warning;
    if (kind == MessageKind::Error) {
        icon = QMessageBox::Critical;
    } else if (kind == MessageKind::Information) {
        icon = QMessageBox::Information;
    }
    ArrowCursorScope arrow;
    WaitAsideScope aside(m_wait);
    QMessageBox box(icon, uiText(messageCaption(kind)), displayText(text),
                    QMessageBox::Ok, m_window);
    applyButtonTexts(box);
    box.exec();
}

bool QtUserInterface::confirm(const std::string& caption, const std::string& text,
                              bool defaultYes) {
    ArrowCursorScope arrow;
    WaitAsideScope aside(m_wait);
    QMessageBox box(QMessageBox::Question, uiText(caption), displayText(text),
                    QMessageBox::Yes | QMessageBox::No, m_window);
    box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
    // Closing the box without choosing answers No.
    box.setEscapeButton(QMessageBox::No);
    applyButtonTexts(box);
    return box.exec() == QMessageBox::Yes;
}

std::optional<long long> QtUserInterface::askNumber(const std::string& caption,
                                                    const std::string& prompt, long long value,
                                                    long long minimum, long long maximum) {
    // The input box counts in int; every number the program asks for fits.
    auto toInt = [](long long v) {
        return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(),
                                                      std::numeric_limits<int>::max()));
    };
    ArrowCursorScope arrow;
    bool ok = false;
    int result = QInputDialog::getInt(m_window, uiText(caption), displayText(prompt),
                                      toInt(value), toInt(minimum), toInt(maximum), 1, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return result;
}

std::optional<std::string> QtUserInterface::askText(const std::string& caption,
                                                    const std::string& prompt,
                                                    const std::string& value) {
    ArrowCursorScope arrow;
    bool ok = false;
    QString result = QInputDialog::getText(m_window, uiText(caption), displayText(prompt),
                                           QLineEdit::Normal, toQString(value), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return toStdString(result);
}

bool QtUserInterface::processEvents() {
    // Long work lets everything through, so a Stop command can be clicked;
    // the other commands are disabled while the program is busy.
    QApplication::processEvents();
    return m_stopRequested;
}

void QtUserInterface::openDocument(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void QtUserInterface::openAddress(const std::string& address) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::TolerantMode));
}

}  // namespace pentad
