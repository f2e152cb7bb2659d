// SPDX-License-Identifier: GPL-3.0-or-later
// The draw download from the results site ("Загрузка", F3), the three
// start-up modes of the menu "Автозагрузка при запуске программы", the proxy
// dialog, and the download steps of the start. The download runs on this
// thread: while a request waits, pending window events are processed, so the
// window and the wait window keep repainting; every command is disabled
// meanwhile by the busy state.
#include <QAction>
#include <QActionGroup>
#include <QDialog>
#include <QMenu>

#include "command_set.h"
#include "dialogs/proxy_dialog.h"
#include "download_texts.h"
#include "draws_pane.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "shell/messages.h"
#include "template_main.h"

namespace pentad {

void TTemplateMain::createDownloadCommands() {
    m_commands->add({.name = "DrawsDownload",
                     .caption = texts::kCmdDrawsDownload,
                     .key = QKeySequence(Qt::Key_F3),
                     .hint = texts::kCmdDrawsDownloadHint,
                     .execute = [this] { drawsDownload(); }});
    const char* autoCaptions[] = {texts::kCmdAutoDownload0, texts::kCmdAutoDownload1,
                                  texts::kCmdAutoDownload2};
    static const char* const kAutoNames[] = {"AutoDownload0", "AutoDownload1", "AutoDownload2"};
    auto* group = new QActionGroup(this);
    for (int mode = 0; mode < 3; ++mode) {
        QAction* item = m_commands->add(
            {.name = kAutoNames[mode],
             .caption = autoCaptions[mode],
             .execute = [this, mode] { m_workspace.online().setDownloadOnStart(mode); },
             .checked = [this, mode] { return m_workspace.form().DownloadDrawsOnStart == mode; }});
        group->addAction(item);
    }
    m_commands->add(
        {.name = "EditProxy", .caption = texts::kCmdEditProxy, .execute = [this] { editProxy(); }});
}

void TTemplateMain::createDownloadMenus(QMenu* file, QMenu* draws) {
    // "Параметры proxy-сервера" joins the other settings of the file menu,
    // before the separator that sets "Выход" apart.
    const QList<QAction*> items = file->actions();
    const qsizetype exit = items.indexOf(action(QStringLiteral("ExitProgram")));
    QAction* before =
        exit > 0 && items[exit - 1]->isSeparator() ? items[exit - 1] : items.value(exit, nullptr);
    file->insertAction(before, action(QStringLiteral("EditProxy")));

    draws->addSeparator();
    QMenu* autoDownload = draws->addMenu(uiText(texts::kMenuAutoDownload));
    autoDownload->setObjectName(QStringLiteral("mnAutoDownload"));
    for (const char* name : {"AutoDownload0", "AutoDownload1", "AutoDownload2"}) {
        autoDownload->addAction(action(QString::fromUtf8(name)));
    }
    m_drawsPane->bindDownload(action(QStringLiteral("DrawsDownload")));
}

void TTemplateMain::drawsDownload() {
    OnlineServices& online = m_workspace.online();
    // The draw list and the views follow every range that was saved.
    online.onDrawsSaved = [this] { applyChanges(); };
    online.downloadDraws();
    online.onDrawsSaved = nullptr;
}

void TTemplateMain::editProxy() {
    ProxyDialog dialog(m_workspace.online().proxy(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_workspace.online().applyProxyDialog(dialog.mode(), dialog.fields());
    }
}

}  // namespace pentad
