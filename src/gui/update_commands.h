// SPDX-License-Identifier: GPL-3.0-or-later
// The update commands of the main window: "Поиск обновлений" (CheckUpdate)
// searches the update server now and offers what it finds, "Автоматическое
// обновление" (AutoSelfUpdate) switches the quiet search at start on and off,
// and the start-up check itself. The network work runs on this thread with
// the progress window up and window events let through while a request
// waits; an installed update restarts the program.
#pragma once

#include <functional>

#include "online/self_update.h"

class QAction;
class QMenu;
class QWidget;

namespace pentad {

class CommandSet;
class Workspace;

class UpdateCommands {
public:
    // `restart` starts the program again and ends this copy; the offer window
    // is parented to `dialogParent`.
    UpdateCommands(Workspace& workspace, QWidget* dialogParent, std::function<void()> restart);

    // Adds CheckUpdate and AutoSelfUpdate.
    void createCommands(CommandSet& commands);
    // Adds the submenu "Автообновление" with both commands to `menu`, in
    // front of `before` (at the end when null).
    void fillMenu(QMenu& menu, QAction* before = nullptr);

    // CheckUpdate: the search with every message shown, the offer, and the
    // restart once an update was installed.
    void checkUpdate();
    // The start-up check: only when AutoUpdates is on, and quiet unless an
    // update is found. True when an update was installed; the caller then
    // restarts the program.
    bool startupCheck();

    // The program whose files an update replaces: the running program's
    // folder, file name and version. Tests point it at a copy.
    SelfUpdateSetup& program() { return m_program; }

private:
    // One update run; returns an UpdateResult.
    int run(bool silent);
    // Shows the offer window; true when the user chose to install.
    bool offer(const UpdateOffer& found);

    Workspace& m_ws;
    QWidget* m_parent;
    std::function<void()> m_restart;
    SelfUpdateSetup m_program;
    QAction* m_checkAction = nullptr;
    QAction* m_autoAction = nullptr;
};

}  // namespace pentad
