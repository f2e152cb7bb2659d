// SPDX-License-Identifier: GPL-3.0-or-later
#include "language_menu.h"

#include <utility>

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "app/workspace.h"
#include "qt_text.h"
#include "shell/data_folder.h"
#include "shell/interface_language.h"
#include "shell/messages.h"

namespace pentad {

LanguageMenu::LanguageMenu(Workspace& workspace, QMenu& parent, QAction* before,
                           std::function<void()> restart)
    : QObject(&parent),
      m_workspace(workspace),
      m_menu(new QMenu(uiText(texts::kMenuLanguage), &parent)),
      m_group(new QActionGroup(this)),
      m_restart(std::move(restart)),
      m_programFolder(programFolder()) {
    parent.insertMenu(before, m_menu);
    m_menu->setObjectName(QStringLiteral("mnLanguage"));
    m_menu->menuAction()->setObjectName(QStringLiteral("mnLanguage"));
    m_group->setExclusive(true);
    // Like every command, a language is chosen only while the program is idle.
    connect(m_menu, &QMenu::aboutToShow, this, [this] {
        m_group->setEnabled(m_workspace.shell().isIdle());
    });
    rebuild();
}

void LanguageMenu::setProgramFolder(std::string folder) {
    m_programFolder = std::move(folder);
    rebuild();
}

void LanguageMenu::rebuild() {
    for (QAction* item : m_group->actions()) {
        m_group->removeAction(item);
        m_menu->removeAction(item);
        delete item;
    }
    const int current = primaryLanguage(m_workspace.interfaceLanguage());
    for (int lcid : availableLanguages(m_programFolder)) {
        auto* item = new QAction(toQString(languageName(lcid)), m_group);
        item->setObjectName(QStringLiteral("Language%1").arg(lcid));
        item->setData(lcid);
        item->setCheckable(true);
        item->setChecked(primaryLanguage(lcid) == current);
        connect(item, &QAction::triggered, this, [this, lcid] { choose(lcid); });
        m_menu->addAction(item);
    }
}

void LanguageMenu::choose(int lcid) {
    if (lcid != m_workspace.interfaceLanguage() && languageModuleAvailable(m_workspace.shell(), lcid, m_programFolder)) {
        m_workspace.setViewOption("Language", lcid);
        m_restart();
        return;
    }
    // The check mark stays with the language in use.
    for (QAction* item : m_group->actions()) {
        item->setChecked(primaryLanguage(item->data().toInt()) ==
                         primaryLanguage(m_workspace.interfaceLanguage()));
    }
}

}  // namespace pentad
