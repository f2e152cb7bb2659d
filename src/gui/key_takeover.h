// SPDX-License-Identifier: GPL-3.0-or-later
// A key shared by two commands: a window-wide one and one that belongs to a
// single list (Alt+F4 exits, but in the combination list it stakes the
// selection; Ctrl+Del in the ledger deletes stakes). Inside that list the
// key goes to the list's command, and Qt never sees two shortcuts at once.
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace pentad {

class KeyTakeover : public QObject {
    Q_OBJECT

public:
    // Takes the shortcuts of `actions` over inside `widget`: the key runs
    // the action when it is enabled and is swallowed otherwise.
    static void install(QWidget* widget, const QList<QAction*>& actions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyTakeover(QWidget* widget, const QList<QAction*>& actions);

    QList<QAction*> m_actions;
};

}  // namespace pentad
