// SPDX-License-Identifier: GPL-3.0-or-later
// One running program for the window tests: the scripted interface, the
// shell, the workspace on a folder and the main window with its file dialogs
// answered by the test, after the start-up stage has run.
#pragma once

#include <QAction>
#include <QLabel>
#include <QString>
#include <QStringList>

#include "form_main.h"
#include "scripted_user_interface.h"
#include "shell/workspace.h"

namespace pentad::test {

// The main window with its file dialogs answered by the test.
class TestWindow : public TFormMain {
public:
    using TFormMain::TFormMain;

    QString openPath;
    QString savePath;
    QString lastFilter;
    QString lastSuffix;
    QStringList openedDocuments;

protected:
    void openDocument(const QString& path) override { openedDocuments.append(path); }

    QString chooseOpenFile(const QString&, const QString& filter, const QString& suffix) override {
        lastFilter = filter;
        lastSuffix = suffix;
        return openPath;
    }
    QString chooseSaveFile(const QString&, const QString& filter, const QString& suffix) override {
        lastFilter = filter;
        lastSuffix = suffix;
        return savePath;
    }
};

struct TestProgram {
    explicit TestProgram(const QString& folder)
        : shell(ui), workspace(shell, folder.toStdString()), window(workspace, ui) {
        window.show();
        window.initialise();
    }

    QString panel(int i) { return window.statusPanel(i)->text(); }
    QAction& command(const char* name) { return *window.action(QString::fromUtf8(name)); }

    ScriptedUserInterface ui;
    Shell shell;
    Workspace workspace;
    TestWindow window;
};

}  // namespace pentad::test
