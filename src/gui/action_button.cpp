// SPDX-License-Identifier: GPL-3.0-or-later
// Buttons bound to commands.
#include "action_button.h"

#include <QAction>
#include <QPushButton>

namespace pentad {

void bindButton(QPushButton* button, QAction* action, bool keepText) {
    if (!keepText) {
        button->setText(action->text());
    }
    if (action->toolTip() != action->text()) {
        button->setToolTip(action->toolTip());
    }
    button->setEnabled(action->isEnabled());
    QObject::connect(action, &QAction::changed, button,
                     [button, action] { button->setEnabled(action->isEnabled()); });
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
}

}  // namespace pentad
