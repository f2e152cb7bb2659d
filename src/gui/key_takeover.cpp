// SPDX-License-Identifier: GPL-3.0-or-later
// The event filter that hands a shared key to a list's own command.
#include "key_takeover.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace pentad {

KeyTakeover::KeyTakeover(QWidget* widget, const QList<QAction*>& actions)
    : QObject(widget), m_actions(actions) {
    widget->installEventFilter(this);
}

void KeyTakeover::install(QWidget* widget, const QList<QAction*>& actions) {
    new KeyTakeover(widget, actions);
}

bool KeyTakeover::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (QAction* action : m_actions) {
        if (action->shortcut() != pressed) {
            continue;
        }
        // Accepting the override turns the key into a plain key press here.
        event->accept();
        if (event->type() == QEvent::KeyPress && action->isEnabled()) {
            action->trigger();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace pentad
