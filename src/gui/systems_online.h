// SPDX-License-Identifier: GPL-3.0-or-later
// The systems page while a catalogue server is configured: the page lists
// the catalogue's systems with the state of their local files, downloads
// them (SystemsDownload, which this class owns), and publishes, changes and
// deletes the user's own systems through the system dialog. Without a
// server the page keeps showing the local files.
#pragma once

#include "dialogs/system_dialog.h"

namespace pentad {

class CommandSet;
class SystemsPane;
class Workspace;

class SystemsOnline {
public:
    SystemsOnline(Workspace& workspace, SystemsPane& pane, QWidget* dialogParent);

    // A catalogue server is configured.
    bool active() const;

    // Adds SystemsDownload; `shown` tells whether the page is shown.
    void createCommands(CommandSet& commands, std::function<bool()> shown);

    // SystemsRefresh: reloads the list, keeping the focused system.
    void refresh();
    // SystemsDownload: every selected row in order.
    void download();
    // SystemsAdd, SystemsProp and SystemsDel.
    void add(const SystemDialog::FileChooser& chooser);
    void properties(const SystemDialog::FileChooser& chooser);
    void remove();

private:
    Workspace& m_ws;
    SystemsPane& m_pane;
    QWidget* m_parent;
};

}  // namespace pentad
