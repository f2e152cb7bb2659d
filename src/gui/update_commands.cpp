// SPDX-License-Identifier: GPL-3.0-or-later
#include "update_commands.h"

#include <QAction>
#include <QDialog>
#include <QMenu>

#include "app/workspace.h"
#include "command_set.h"
#include "dialogs/update_offer_dialog.h"
#include "shell/data_folder.h"
#include "shell/processes.h"
#include "shell/program_version.h"
#include "qt_text.h"
#include "update_texts_gui.h"

namespace pentad {

UpdateCommands::UpdateCommands(Workspace& workspace, QWidget* dialogParent,
                               std::function<void()> restart)
    : m_ws(workspace), m_parent(dialogParent), m_restart(std::move(restart)) {
    m_program.programFolder = programFolder();
    m_program.programName = programFileName();
    m_program.ownVersion = programVersion();
}

void UpdateCommands::createCommands(CommandSet& commands) {
    m_checkAction =
        commands.add({.name = "CheckUpdate", .caption = texts::kCmdCheckUpdate, .execute = [this] {
                          checkUpdate();
                      }});
    m_autoAction = commands.add(
        {.name = "AutoSelfUpdate",
         .caption = texts::kCmdAutoSelfUpdate,
         .execute = [this] { m_ws.setViewOption("AutoUpdates", !m_ws.form().AutoUpdates); },
         .checked = [this] { return m_ws.form().AutoUpdates; }});
}

void UpdateCommands::fillMenu(QMenu& menu, QAction* before) {
    auto* update = new QMenu(uiText(texts::kMenuUpdate), &menu);
    update->setObjectName(QStringLiteral("mnAutoUpdate"));
    update->addAction(m_checkAction);
    update->addAction(m_autoAction);
    menu.insertMenu(before, update);
}

void UpdateCommands::checkUpdate() {
    if (run(false) == kUpdateInstalled) {
        m_restart();
    }
}

bool UpdateCommands::startupCheck() {
    return m_ws.form().AutoUpdates && run(true) == kUpdateInstalled;
}

int UpdateCommands::run(bool silent) {
    SelfUpdateSetup setup = m_program;
    // The description of the new version comes in the interface language.
    if (const int lcid = m_ws.online().catalogue().lcid; lcid != 0) {
        setup.language = lcid;
    }
    // The window stays live while a request waits; a server that does not
    // answer holds the start up no longer than the main window's requests.
    setup.http = m_ws.online().oneShotOptions();
    setup.http.connectTimeoutMs = m_ws.online().client().connectTimeoutMs;
    setup.http.readTimeoutMs = m_ws.online().client().readTimeoutMs;
    SelfUpdate update(m_ws.shell(), std::move(setup));
    return update.run(m_ws.online().updateAddress(), silent,
                      [this](const UpdateOffer& found) { return offer(found); });
}

bool UpdateCommands::offer(const UpdateOffer& found) {
    UpdateOfferDialog dialog(m_program.ownVersion, found, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace pentad
