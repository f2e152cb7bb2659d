// SPDX-License-Identifier: GPL-3.0-or-later
// The command "Параметры" of the menu "Файл": the configuration dialog, and
// the settings it confirmed taken over by the workspace (which rebuilds the
// method lists and the prefetch files the change made stale).
#include <QDialog>

#include "dialogs/config_dialog.h"
#include "template_main.h"

namespace pentad {

void TTemplateMain::editConfig() {
    ConfigDialog dialog(shell(), m_workspace.config(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // The views, the channel colours of the lists and the method choosers
    // are redrawn from the changes the workspace reports.
    m_workspace.applyConfig(dialog.config());
}

}  // namespace pentad
