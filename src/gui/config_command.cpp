// SPDX-License-Identifier: GPL-3.0-or-later
// The commands "Параметры" and "Формулы шинковки" of the menu "Файл": the
// configuration and formula dialogs, and the settings they confirmed taken
// over by the workspace (which rebuilds the method lists and the prefetch
// files the change made stale).
#include <QDialog>

#include "dialogs/config_dialog.h"
#include "dialogs/shredding_dialog.h"
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

void TTemplateMain::editShredding() {
    const TStatList& stats = m_workspace.stats();
    ShreddingDialog dialog(stats.Formulas, stats.FormulaDigits, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    m_workspace.applyShredding(dialog.formulas(), dialog.digits());
}

}  // namespace pentad
