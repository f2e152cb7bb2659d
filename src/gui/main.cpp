// SPDX-License-Identifier: GPL-3.0-or-later
// Start of the desktop program: the data folder (--dir DIR, else the usual
// choice); with the word "restart" the wait for the copy being replaced;
// the workspace and the main window, whose second start stage runs from a
// short timer. With --smoke the program ends once that stage has run, which
// is how the build checks that the window comes up. The words "loadonly",
// "fullrecreate" and "fullrefresh" run their job at start and end.
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QEventLoop>
#include <QIcon>
#include <QStringList>
#include <QTimer>

#include "form_main.h"
#include "qt_user_interface.h"
#include "ui_language.h"
#include "app/restart.h"
#include "shell/data_folder.h"
#include "shell/messages.h"
#include "shell/processes.h"
#include "shell/shell.h"
#include "shell/startup_words.h"
#include "app/workspace.h"

namespace {

struct Options {
    std::optional<std::string> folder;
    bool smoke = false;
    std::vector<std::string> words;  // everything else ("fullrefresh", ...)
};

Options parseOptions(const QStringList& args) {
    Options options;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--smoke")) {
            options.smoke = true;
        } else if (arg == QLatin1String("--dir") && i + 1 < args.size()) {
            options.folder = args[++i].toStdString();
        } else if (arg.startsWith(QLatin1String("--dir="))) {
            options.folder = arg.mid(6).toStdString();
        } else {
            options.words.push_back(arg.toStdString());
        }
    }
    return options;
}

// Waits one check interval of the restart while windows stay responsive.
void pauseResponsive() {
    QEventLoop loop;
    QTimer::singleShot(pentad::kRestartIntervalMs, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pentad"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pentad.png")));
    // Desktops match the windows to the installed entry "pentad.desktop".
    QGuiApplication::setDesktopFileName(QStringLiteral("pentad"));
    const Options options = parseOptions(QApplication::arguments());

    pentad::QtUserInterface ui;
    pentad::Shell shell(ui);
    std::string folder;
    if (!shell.guard(pentad::texts::kErrorStart,
                     [&] { folder = pentad::resolveDataFolder(options.folder); })) {
        return 1;
    }

    // A restarted copy starts once the copy it replaces has let go of the
    // data folder, and ends quietly when that copy keeps running.
    if (pentad::StartupWords::of(options.words).restart &&
        !pentad::waitForEarlierCopy(pentad::programFileName(), folder, pauseResponsive)) {
        return 0;
    }
    pentad::Workspace workspace(shell, folder);
    if (options.smoke) {
        // The smoke start checks that the window comes up: no question, no network.
        workspace.form().DownloadDrawsOnStart = 2;
        workspace.form().AutoUpdates = false;
    }
    // The interface language is set up here, before any window is built.
    pentad::startInterfaceLanguage(
        workspace, pentad::hasCommandWord(options.words, pentad::words::kNoLanguage),
        pentad::programFolder());
    pentad::TFormMain window(workspace, ui);
    window.setCommandWords(options.words);
    if (options.folder) {
        window.setExplicitFolder(QString::fromStdString(*options.folder));
    }
    if (options.smoke) {
        QObject::connect(
            &window, &pentad::TTemplateMain::initialised, &window, [&window] { window.close(); },
            Qt::QueuedConnection);
    }
    window.showRestored();
    window.startInitialisation();
    return QApplication::exec();
}
