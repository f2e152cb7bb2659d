// SPDX-License-Identifier: GPL-3.0-or-later
// Scripting a modal dialog that a command opens with exec(): the script runs
// inside the dialog's own event loop once the dialog is the active modal
// widget. A dialog the script leaves open is rejected after a while, so a
// failing test fails instead of hanging.
#pragma once

#include <functional>
#include <memory>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

namespace pentad::test {

template <typename T>
void onNextModal(std::function<void(T*)> script) {
    constexpr int kPollMs = 10;
    constexpr int kMaxPolls = 500;
    constexpr int kLeftOpenMs = 2000;
    auto* timer = new QTimer(qApp);
    auto polls = std::make_shared<int>(0);
    timer->setInterval(kPollMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, polls, script] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<T*>(modal)) {
            timer->stop();
            timer->deleteLater();
            QPointer<T> guard(dialog);
            script(dialog);
            QTimer::singleShot(kLeftOpenMs, qApp, [guard] {
                if (guard && guard->isVisible()) {
                    guard->reject();
                }
            });
            return;
        }
        if (++*polls > kMaxPolls) {
            timer->stop();
            timer->deleteLater();
            if (auto* other = qobject_cast<QDialog*>(modal)) {
                other->reject();
            }
        }
    });
    timer->start();
}

}  // namespace pentad::test
