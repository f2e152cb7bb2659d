// SPDX-License-Identifier: GPL-3.0-or-later
// The systems page and its commands: showing the page, the local system
// files (list, add, view or edit, delete) and the two ways of staking the
// system of the combination set's digits. Systems with a catalogue number
// came from the catalogue and are only shown; those made here are edited.
#include <filesystem>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

#include "command_set.h"
#include "dialogs/multi_stake_dialog.h"
#include "dialogs/system_dialog.h"
#include "gui_texts.h"
#include "models/systems_model.h"
#include "qt_text.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/operation.h"
#include "stats/stat_texts.h"
#include "systems/system_play.h"
#include "systems/system_texts.h"
#include "systems_online.h"
#include "systems_pane.h"
#include "template_main.h"

namespace pentad {
namespace {

bool tabShown(const QTabWidget* tabs, QWidget* page) {
    return tabs->isTabVisible(tabs->indexOf(page));
}

// A system made in this program has no catalogue number.
bool ownSystem(const tSystemInfo& info) {
    return info.Id < 0;
}

// Only one system per count of numbers is kept: storing `info` replaces any
// other. True when there is none or the user agreed.
bool mayReplace(Shell& shell, const std::string& folder, const tSystemInfo& info) {
    const std::string own = systemFileName(info);
    for (const std::string& name :
         findFiles(joinPath(folder, kSystemsFolder), SystemMask(info.Nums))) {
        if (name != own) {
            return shell.confirmNo(format(texts::kConfirmReplaceSystem, int{info.Nums}));
        }
    }
    return true;
}

}  // namespace

std::function<QString(bool save)> TTemplateMain::systemFileChooser() {
    return [this](bool save) {
        const QString filter = uiText(texts::kSystemTextFilter);
        const QString suffix = uiText(texts::kSystemTextExtension);
        return save ? chooseSaveFile(uiText(texts::kSystemSaveTitle), filter, suffix)
                    : chooseOpenFile(uiText(texts::kSystemLoadTitle), filter, suffix);
    };
}

void TTemplateMain::createSystemCommands() {
    auto shown = [this] { return tabShown(m_rightTabs, m_systemsPane); };
    m_systemsOnline = std::make_unique<SystemsOnline>(m_workspace, *m_systemsPane, this);
    auto rowFocused = [this, shown] {
        const int row = m_systemsPane->currentRow();
        return shown() && row >= 0 && row < m_systemsPane->model()->rowCount();
    };
    auto canStake = [this] {
        return !m_workspace.combs().empty() && m_workspace.stakes().ledger().isOpen();
    };
    m_commands->add({.name = "SystemsOn",
                     .caption = texts::kCmdSystemsOn,
                     .execute = [this] { systemsToggle(); },
                     .checked = shown});
    m_commands->add({.name = "SystemsRefresh",
                     .caption = texts::kCmdSystemsRefresh,
                     .enabled = shown,
                     .execute = [this] {
                         if (m_systemsOnline->active()) {
                             m_systemsOnline->refresh();
                             return;
                         }
                         OperationScope op(shell(), texts::kStatusSystemsList);
                         const int row = m_systemsPane->currentRow();
                         m_systemsPane->reload(
                             row >= 0 ? systemFileName(m_systemsPane->model()->system(row))
                                      : std::string());
                     }});
    m_systemsOnline->createCommands(*m_commands, shown);
    m_commands->add({.name = "SystemsAdd",
                     .caption = texts::kCmdSystemsAdd,
                     .enabled = shown,
                     .execute = [this] { systemsAdd(); }});
    m_commands->add({.name = "SystemsProp",
                     .caption = texts::kCmdSystemsProp,
                     .enabled = rowFocused,
                     .execute = [this] { systemsProp(); }});
    m_commands->add({.name = "SystemsDel",
                     .caption = texts::kCmdSystemsDel,
                     .enabled = rowFocused,
                     .execute = [this] { systemsDelete(); }});
    QAction* all = m_commands->add({.name = "SystemStakeAll",
                                    .caption = texts::kCmdSystemStakeAll,
                                    .key = QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_J),
                                    .enabled = canStake,
                                    .execute = [this] { systemStake(false); }});
    QAction* byList = m_commands->add({.name = "SystemStakeFilter",
                                       .caption = texts::kCmdSystemStakeFilter,
                                       .key = QKeySequence(Qt::ALT | Qt::Key_J),
                                       .enabled = canStake,
                                       .execute = [this] { systemStake(true); }});
    // The stake commands come and go with the page.
    all->setVisible(false);
    byList->setVisible(false);
}

void TTemplateMain::createSystemMenu(QMenu* view) {
    const char* names[] = {"SystemsOn",   nullptr,      "SystemsRefresh",
                           "SystemsDownload", "SystemsAdd", "SystemsProp",
                           "SystemsDel",  nullptr,      "SystemStakeAll",
                           "SystemStakeFilter"};
    auto* menu = new QMenu(uiText(texts::kMenuSystems), this);
    menuBar()->insertMenu(view->menuAction(), menu);
    // The list offers everything below the page switch and its separator.
    m_systemsPane->bindCommands(fillMenu(*menu, names).mid(2));

    // The view menu shows the same switch as the tab's item.
    QAction* on = action(QStringLiteral("SystemsOn"));
    auto* tabItem = new QAction(uiText(texts::kCmdSystemsTab), this);
    tabItem->setObjectName(QStringLiteral("SystemsOnTab"));
    tabItem->setCheckable(true);
    connect(on, &QAction::changed, tabItem, [on, tabItem] {
        tabItem->setEnabled(on->isEnabled());
        tabItem->setChecked(on->isChecked());
    });
    connect(tabItem, &QAction::triggered, on, [on, tabItem] {
        // The switch decides the check mark, not the click.
        tabItem->setChecked(on->isChecked());
        on->trigger();
    });
    view->addAction(tabItem);
}

void TTemplateMain::systemsToggle() {
    const bool show = !tabShown(m_rightTabs, m_systemsPane);
    {
        OperationScope op(shell(), texts::kPleaseWait);
        const int index = m_rightTabs->indexOf(m_systemsPane);
        if (show) {
            if (m_systemsOnline->active()) {
                m_systemsOnline->refresh();
            } else {
                m_systemsPane->reload();
            }
            m_rightTabs->setTabVisible(index, true);
            m_rightTabs->setCurrentIndex(index);
        } else {
            m_rightTabs->setTabVisible(index, false);
            m_systemsPane->clear();
        }
        action(QStringLiteral("SystemStakeAll"))->setVisible(show);
        action(QStringLiteral("SystemStakeFilter"))->setVisible(show);
    }
    m_workspace.setViewOption("SystemsEnabled", show);
}

void TTemplateMain::systemsAdd() {
    if (m_systemsOnline->active()) {
        m_systemsOnline->add(systemFileChooser());
        return;
    }
    tSystemData data;
    auto chooser = [this](bool save) {
        const QString filter = uiText(texts::kSystemTextFilter);
        const QString suffix = uiText(texts::kSystemTextExtension);
        return save ? chooseSaveFile(uiText(texts::kSystemSaveTitle), filter, suffix)
                    : chooseOpenFile(uiText(texts::kSystemLoadTitle), filter, suffix);
    };
    SystemDialog dialog(shell(), data, true, chooser, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    data = dialog.data();
    if (!mayReplace(shell(), m_workspace.folder(), data.Info)) {
        return;
    }
    const bool stored = shell().guard(texts::kErrorAddSystem,
                                      [&] { storeLocalSystem(m_workspace.folder(), data); });
    if (stored) {
        m_systemsPane->model()->remember(data.Info);
    }
    m_systemsPane->reload(systemFileName(data.Info));
}

void TTemplateMain::systemsProp() {
    if (m_systemsPane->model()->online()) {
        m_systemsOnline->properties(systemFileChooser());
        return;
    }
    SystemsModel& model = *m_systemsPane->model();
    const int row = m_systemsPane->currentRow();
    if (row < 0 || row >= model.rowCount()) {
        return;
    }
    tSystemData data;
    data.Info = model.system(row);
    const std::string oldPath = model.filePath(row);
    if (!shell().guard(texts::kErrorEditSystem,
                       [&] { data.CList = cp1251ToUtf8(readFileBytes(oldPath)); })) {
        return;
    }
    const bool editable = ownSystem(data.Info);
    auto chooser = [this](bool save) {
        const QString filter = uiText(texts::kSystemTextFilter);
        const QString suffix = uiText(texts::kSystemTextExtension);
        return save ? chooseSaveFile(uiText(texts::kSystemSaveTitle), filter, suffix)
                    : chooseOpenFile(uiText(texts::kSystemLoadTitle), filter, suffix);
    };
    SystemDialog dialog(shell(), data, editable, chooser, this);
    if (dialog.exec() != QDialog::Accepted || !editable) {
        return;
    }
    const tSystemData edited = dialog.data();
    if (edited.Info.Nums != data.Info.Nums &&
        !mayReplace(shell(), m_workspace.folder(), edited.Info)) {
        return;
    }
    shell().guard(texts::kErrorEditSystem, [&] {
        storeLocalSystem(m_workspace.folder(), edited);
        // New numbers or block rename the file.
        if (SystemFileName(m_workspace.folder(), edited.Info) != oldPath) {
            deleteFile(oldPath);
        }
        model.forget(data.Info);
        model.remember(edited.Info);
    });
    m_systemsPane->reload(systemFileName(edited.Info));
}

void TTemplateMain::systemsDelete() {
    if (m_systemsPane->model()->online()) {
        m_systemsOnline->remove();
        return;
    }
    SystemsModel& model = *m_systemsPane->model();
    const int row = m_systemsPane->currentRow();
    if (row < 0 || row >= model.rowCount()) {
        return;
    }
    const tSystemInfo info = model.system(row);
    if (!shell().confirmNo(format(texts::kConfirmDeleteSystem, info.Title))) {
        return;
    }
    shell().guard(texts::kErrorDeleteSystem, [&] {
        const std::string path = model.filePath(row);
        if (!deleteFile(path)) {
            throw Error(systemErrorText(errno));
        }
        model.forget(info);
    });
    m_systemsPane->reload();
}

void TTemplateMain::systemStake(bool filterByList) {
    const CombinationSet& combs = m_workspace.combs();
    StakeBook& book = m_workspace.stakes();
    const std::optional<SystemPlan> plan =
        prepareSystemStakes(shell(), m_workspace.folder(), combs, filterByList);
    if (!plan) {
        return;
    }
    const std::optional<MultiStakeInput> input =
        MultiStakeDialog::ask(this, book.nextDraw(), plan->comment);
    if (!input) {
        return;
    }
    MakeSystemStakes(shell(), book, combs, m_workspace.config(), *plan, filterByList,
                     input->drawNumber, input->draws, input->comment);
}

}  // namespace pentad
