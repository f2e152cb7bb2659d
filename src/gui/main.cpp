// SPDX-License-Identifier: GPL-3.0-or-later
// Start of the desktop program: the data folder (--dir DIR, else the usual
// choice), the workspace and the main window, whose second start stage runs
// from a short timer. With --smoke the program ends once that stage has run,
// which is how the build checks that the window comes up. The words
// "fullrecreate" and "fullrefresh" rebuild all, or build the missing,
// prefetch files and end.
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QStringList>

#include "form_main.h"
#include "qt_user_interface.h"
#include "shell/data_folder.h"
#include "shell/interface_language.h"
#include "shell/messages.h"
#include "shell/shell.h"
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

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pentad"));
    const Options options = parseOptions(QApplication::arguments());

    pentad::QtUserInterface ui;
    pentad::Shell shell(ui);
    std::string folder;
    if (!shell.guard(pentad::texts::kErrorStart,
                     [&] { folder = pentad::resolveDataFolder(options.folder); })) {
        return 1;
    }

    pentad::Workspace workspace(shell, folder);
    workspace.setInterfaceLanguage(pentad::interfaceLanguage(
        workspace.form().Language,
        pentad::hasCommandWord(options.words, pentad::words::kNoLanguage),
        pentad::programFolder()));
    pentad::TFormMain window(workspace, ui);
    window.setCommandWords(options.words);
    if (options.smoke) {
        QObject::connect(
            &window, &pentad::TTemplateMain::initialised, &window, [&window] { window.close(); },
            Qt::QueuedConnection);
    }
    window.showRestored();
    window.startInitialisation();
    return QApplication::exec();
}
