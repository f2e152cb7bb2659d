// SPDX-License-Identifier: GPL-3.0-or-later
// Hints in the status line: while the program is idle, the hint of the menu
// item or control under the mouse shows in the status line; during an
// operation the line keeps the operation's text.
#include <QEvent>
#include <QLabel>
#include <QStatusTipEvent>

#include "template_main.h"

namespace pentad {

void TTemplateMain::mirrorHintsToStatusLine() {
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (widget->statusTip().isEmpty() && !widget->toolTip().isEmpty()) {
            widget->setStatusTip(widget->toolTip());
        }
    }
}

bool TTemplateMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // The status line is not the status bar's message area: the panels
        // stay, and only the last panel shows the hint.
        if (shell().isIdle()) {
            statusPanel(6)->setText(static_cast<QStatusTipEvent*>(event)->tip());
        }
        return true;
    }
    return QMainWindow::event(event);
}

}  // namespace pentad
