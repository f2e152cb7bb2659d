// SPDX-License-Identifier: GPL-3.0-or-later
// The menu "Справка": the command that opens the help file with the
// desktop's viewer for compiled help files.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "command_set.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "shell/file_io.h"
#include "template_main.h"

namespace pentad {

void TTemplateMain::createHelpCommands() {
    m_commands->add({.name = "GetHelp",
                     .caption = texts::kCmdGetHelp,
                     .key = QKeySequence(Qt::Key_F1),
                     .hint = texts::kHintGetHelp,
                     .enabled =
                         [this] {
                             const std::string& file = m_workspace.stats().HelpFile;
                             return !file.empty() && fileExists(file);
                         },
                     .execute = [this] { openDocument(toQString(m_workspace.stats().HelpFile)); }});
}

void TTemplateMain::createHelpMenu() {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(texts::kMenuHelp));
    menu->addAction(action(QStringLiteral("GetHelp")));
}

}  // namespace pentad
