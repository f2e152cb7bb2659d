// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: each is a QAction named after the command
// (DrawsAdd, DrawsDel, ...) with an enabling test, an optional check mark and
// a body. A command is enabled only while the program is idle and its own
// test holds; its body runs with failures turned into error boxes.
#pragma once

#include <functional>
#include <vector>

#include <QKeySequence>
#include <QObject>
#include <QString>

class QAction;
class QWidget;

namespace pentad {

class Shell;

class CommandSet : public QObject {
    Q_OBJECT

public:
    struct Definition {
        const char* name = "";     // object name of the action, e.g. "DrawsAdd"
        const char* caption = "";  // menu text
        QKeySequence key = {};
        // Where the key works. Commands whose key is not window-wide are not
        // attached to the window: the caller attaches them to their widget.
        Qt::ShortcutContext keyContext = Qt::WindowShortcut;
        const char* hint = nullptr;          // tool tip of the buttons that mirror it
        std::function<bool()> enabled = {};  // the command's own test; empty: always
        std::function<void()> execute = {};  // empty for commands that never run
        std::function<bool()> checked = {};  // check mark; empty: not checkable
        // False for the few commands that work while an operation runs (the
        // Stop of a scenario run): only their own test decides then.
        bool idleTest = true;
    };

    // Actions are owned by `owner`, which also receives their shortcuts.
    CommandSet(Shell& shell, QWidget* owner);

    QAction* add(Definition definition);
    // The action of a command, or nullptr.
    QAction* action(const QString& name) const;

    // Re-evaluates every enabling test and check mark.
    void update();

    // Runs after every command body (for instance to redraw what changed).
    void setAfterCommand(std::function<void()> after) { m_after = std::move(after); }

private:
    struct Command {
        QAction* action;
        Definition definition;
    };
    void run(const Command& command);

    Shell& m_shell;
    QWidget* m_owner;
    std::vector<Command> m_commands;
    std::function<void()> m_after;
};

}  // namespace pentad
