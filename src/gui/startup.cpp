// SPDX-License-Identifier: GPL-3.0-or-later
// The start and the end of a run. The second start stage opens the stake
// ledger (a second copy of the program in the same data folder ends here),
// loads the stores, then runs the jobs the command words and the options ask
// for, in this order: the online catalogue list, the download of "loadonly",
// the update check, the prefetch files of "fullrecreate" / "fullrefresh" and
// of the comparison option, the start-up download and the first-run dialog.
// The end saves the layout and closes the ledger.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

#include "catalogue_panel.h"
#include "dialogs/first_run_dialog.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "shell/error.h"
#include "shell/messages.h"
#include "shell/program_version.h"
#include "shell/startup_words.h"
#include "shell/web_links.h"
#include "template_main.h"
#include "update_commands.h"

namespace pentad {

void TTemplateMain::initialise() {
    if (m_initialised) {
        return;
    }
    m_initialised = true;
    if (!openStores()) {
        // Another copy works in this folder: this one ends without touching
        // the files that copy keeps.
        m_layoutSaved = true;
        endProgram();
        return;
    }
    applyChanges();

    bool end = false;
    shell().guard(texts::kErrorInit, [&] {
        // Without a batch word the online scenario catalogue is listed here
        // (when a server is configured; the panel shows a hint otherwise).
        if (!StartupWords::of(m_commandWords).batch()) {
            m_cataloguePanel->reload();
        }
        // "loadonly" downloads the new draws here; the program then ends
        // unless a prefetch word asks for more.
        const bool loadOnlyEnds = m_workspace.online().startupLoadOnly(m_commandWords);
        applyChanges();
        if (loadOnlyEnds) {
            end = true;
            return;
        }
        // The quiet update check of the option AutoUpdates; an installed
        // update restarts the program (a copy that could not be started
        // leaves this one running on).
        if (m_updates->startupCheck()) {
            restart();
            if (m_ending) {
                return;
            }
        }
        if (m_workspace.startupPrefetchs(m_commandWords)) {
            end = true;
            return;
        }
        // The start-up download of the option DownloadDrawsOnStart, then the
        // first-run dialog.
        applyChanges();
        m_workspace.online().startupDownload();
        applyChanges();
        if (m_workspace.form().FirstRun && runFirstRunDialog()) {
            m_workspace.setViewOption("FirstRun", false);
        }
    });
    if (end) {
        endProgram();
    }
    applyChanges();
    emit initialised();
}

bool TTemplateMain::openStores() {
    bool ledgerOpen = true;
    BusyScope busy(shell());
    StatusTextScope status(shell(), texts::kStatusInit);
    shell().guard(texts::kErrorInit, [&] {
        setWindowTitle(designedCaption() + uiText(texts::kVersionWord) +
                       toQString(programVersion()));
        m_workspace.setOffset(0);
        ledgerOpen = m_workspace.openLedger();
        if (!ledgerOpen) {
            return;
        }
        m_workspace.loadArchive();
        m_workspace.generateDefaultCombs();
        loadStakeFiles();
        m_workspace.scenario().LoadCurrent();
    });
    return ledgerOpen;
}

void TTemplateMain::endProgram() {
    m_ending = true;
    QTimer::singleShot(0, this, &QWidget::close);
}

bool TTemplateMain::runFirstRunDialog() {
    std::vector<FirstRunDialog::Link> links = {
        {"urlAuthText", texts::kCmdUrlAuthText, {}}, {"urlBlog", texts::kCmdUrlBlog, {}},
        {"urlYT", texts::kCmdUrlYT, {}},             {"urlTG", texts::kCmdUrlTG, {}},
        {"urlVK", texts::kCmdUrlVK, {}},             {"urlOK", texts::kCmdUrlOK, {}},
    };
    for (FirstRunDialog::Link& link : links) {
        link.address = webLinkAddress(m_workspace.ini(), link.name);
    }
    FirstRunDialog dialog(shell(), m_workspace.stats().HelpFile, links, this);
    dialog.exec();
    return dialog.dontShowAgain();
}

void TTemplateMain::restart() {
    QStringList arguments{QStringLiteral("restart")};
    // The new copy works on the same data folder.
    if (!m_explicitFolder.isEmpty()) {
        arguments << QStringLiteral("--dir") << m_explicitFolder;
    }
    const QString program = QCoreApplication::applicationFilePath();
    if (!launchProgram(program, arguments, QCoreApplication::applicationDirPath())) {
        shell().error(format(texts::kErrorStart, toStdString(program)));
        return;
    }
    endProgram();
}

bool TTemplateMain::launchProgram(const QString& program, const QStringList& arguments,
                                  const QString& folder) {
    return QProcess::startDetached(program, arguments, folder);
}

void TTemplateMain::closeEvent(QCloseEvent* event) {
    ScenarioRunner& runner = m_workspace.runner();
    if (runner.running()) {
        // The run is asked to stop; the window closes once it has ended.
        if (runner.CanStop()) {
            runner.ScriptStop();
        }
        m_closePending = !runner.CanStop();
        event->ignore();
        return;
    }
    if (!shell().isIdle()) {
        // An operation still running owns the state the window would save.
        m_closePending = true;
        event->ignore();
        return;
    }
    m_closePending = false;
    saveLayout();
    m_workspace.shutdown();
    event->accept();
}

}  // namespace pentad
