// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's command list: actions with their enabling tests, and the
// frame every command body runs in.
#include "command_set.h"

#include <exception>

#include <QAction>
#include <QWidget>

#include "qt_text.h"
#include "shell/shell.h"

namespace pentad {

CommandSet::CommandSet(Shell& shell, QWidget* owner)
    : QObject(owner), m_shell(shell), m_owner(owner) {}

QAction* CommandSet::add(Definition definition) {
    auto* action = new QAction(uiText(definition.caption), m_owner);
    action->setObjectName(QString::fromUtf8(definition.name));
    if (!definition.key.isEmpty()) {
        action->setShortcut(definition.key);
        // A command that works while an operation runs (Stop) takes its key
        // in whichever window of the program is active then.
        const bool duringRuns = !definition.idleTest && definition.keyContext == Qt::WindowShortcut;
        action->setShortcutContext(duringRuns ? Qt::ApplicationShortcut : definition.keyContext);
    }
    if (definition.hint != nullptr) {
        action->setToolTip(uiText(definition.hint));
        action->setStatusTip(action->toolTip());
    }
    action->setCheckable(static_cast<bool>(definition.checked));
    if (definition.keyContext == Qt::WindowShortcut) {
        m_owner->addAction(action);
    }
    m_commands.push_back(Command{action, std::move(definition)});
    const size_t index = m_commands.size() - 1;
    connect(action, &QAction::triggered, this, [this, index] { run(m_commands[index]); });
    return action;
}

QAction* CommandSet::action(const QString& name) const {
    for (const Command& c : m_commands) {
        if (c.action->objectName() == name) {
            return c.action;
        }
    }
    return nullptr;
}

void CommandSet::update() {
    const bool idle = m_shell.isIdle();
    for (const Command& c : m_commands) {
        bool enabled = (idle || !c.definition.idleTest) && c.definition.execute &&
                       (!c.definition.enabled || c.definition.enabled());
        c.action->setEnabled(enabled);
        if (c.definition.checked) {
            c.action->setChecked(c.definition.checked());
        }
    }
}

void CommandSet::run(const Command& command) {
    // The action may carry a stale enabled state: a key pressed while a long
    // operation let events through reaches it before the next update.
    if ((!m_shell.isIdle() && command.definition.idleTest) || !command.definition.execute ||
        (command.definition.enabled && !command.definition.enabled())) {
        update();
        return;
    }
    // A command run inside a running operation leaves the redrawing to it.
    const bool idle = m_shell.isIdle();
    try {
        command.definition.execute();
    } catch (const std::exception& e) {
        m_shell.error(e.what());
    }
    if (m_after && idle) {
        m_after();
    }
    update();
}

}  // namespace pentad
