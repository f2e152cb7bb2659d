// SPDX-License-Identifier: GPL-3.0-or-later
// The menu "Справка": the help file, opened with the desktop's viewer for
// compiled help files, the about box, the update submenu, the lottery's page
// of the game and the project's web pages. The addresses are settings (section LINKS of
// "Pentad.ini"); a link without an address is not shown.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "command_set.h"
#include "dialogs/about_dialog.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "shell/file_io.h"
#include "shell/messages.h"
#include "shell/program_version.h"
#include "shell/web_links.h"
#include "template_main.h"
#include "update_commands.h"

namespace pentad {
namespace {

struct LinkCommand {
    const char* name;
    const char* caption;
};

// In the order of the menu; the names are the keys of the addresses.
constexpr LinkCommand kLinkCommands[] = {
    {"OpenLotoSite", texts::kCmdOpenLotoSite}, {"urlMainSite", texts::kCmdUrlMainSite},
    {"urlAuthSite", texts::kCmdUrlAuthSite},   {"urlAuthText", texts::kCmdUrlAuthText},
    {"urlBlog", texts::kCmdUrlBlog},           {"urlYT", texts::kCmdUrlYT},
    {"urlVK", texts::kCmdUrlVK},               {"urlOK", texts::kCmdUrlOK},
    {"urlTG", texts::kCmdUrlTG},
};

}  // namespace

void TTemplateMain::createHelpCommands() {
    m_commands->add({.name = "GetHelp",
                     .caption = texts::kCmdGetHelp,
                     .key = QKeySequence(Qt::Key_F1),
                     .hint = texts::kFirstRunHelp,
                     .enabled =
                         [this] {
                             const std::string& file = m_workspace.stats().HelpFile;
                             return !file.empty() && fileExists(file);
                         },
                     .execute = [this] { openDocument(toQString(m_workspace.stats().HelpFile)); }});
    m_commands->add(
        {.name = "About", .caption = texts::kCmdAbout, .execute = [this] { showAbout(); }});
    for (const LinkCommand& link : kLinkCommands) {
        const std::string address = webLinkAddress(m_workspace.ini(), link.name);
        QAction* action = m_commands->add(
            {.name = link.name,
             .caption = link.caption,
             .execute = [this, address] { shell().openAddress(address); }});
        action->setStatusTip(toQString(address));
        action->setVisible(!address.empty());
    }
}

void TTemplateMain::createHelpMenu() {
    QMenu* help = menuBar()->addMenu(uiText(texts::kMenuHelp));
    help->setObjectName(QStringLiteral("mnHelp"));
    help->addAction(action(QStringLiteral("GetHelp")));
    help->addAction(action(QStringLiteral("About")));
    m_updates->fillMenu(*help);
    help->addSeparator();
    for (const LinkCommand& link : kLinkCommands) {
        help->addAction(action(QString::fromUtf8(link.name)));
        if (link.name == kLinkCommands[0].name) {
            help->addSeparator();
        }
    }
}

void TTemplateMain::showAbout() {
    AboutDialog dialog(designedCaption(), toQString(programVersion()),
                       toQString(m_workspace.folder()), this);
    dialog.exec();
}

}  // namespace pentad
