// SPDX-License-Identifier: GPL-3.0-or-later
// One running program for the window tests: the scripted interface, the
// shell, the workspace on a folder and the main window with its file dialogs
// answered by the test, after the start-up stage has run.
#pragma once

#include <memory>
#include <vector>

#include <QAction>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "archive_bytes.h"
#include "form_main.h"
#include "update_commands.h"
#include "scripted_user_interface.h"
#include "app/workspace.h"

namespace pentad::test {

// The main window with its file dialogs answered by the test.
class TestWindow : public TFormMain {
public:
    TestWindow(Workspace& workspace, QtUserInterface& ui) : TFormMain(workspace, ui) {
        // No window test reaches the maker's update server or touches the
        // folder of the test program: updates are looked for in a folder
        // that does not exist and would be installed into the data folder.
        workspace.online().overrideUpdateAddress(workspace.folder() +
                                                 "/no-update-server/Kestrel_AU.cfg");
        updateCommands()->program().programFolder = workspace.folder();
    }

    QString openPath;
    QString savePath;
    QString lastFilter;
    QString lastSuffix;
    QStringList openedDocuments;
    // Programs the window started: the program, then its arguments.
    QList<QStringList> launched;

protected:
    void openDocument(const QString& path) override { openedDocuments.append(path); }
    bool launchProgram(const QString& program, const QStringList& arguments,
                       const QString&) override {
        launched.append(QStringList{program} + arguments);
        return true;
    }

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
    // Starts on `folder` with the command line `words`.
    explicit TestProgram(const QString& folder, std::vector<std::string> words = {})
        : shell(ui), workspace(shell, folder.toStdString()), window(workspace, ui) {
        window.setCommandWords(std::move(words));
        // Window tests start without the start-up download and its question,
        // and without the update check.
        workspace.form().DownloadDrawsOnStart = 2;
        workspace.form().AutoUpdates = false;
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

// A fresh data folder per test holding an archive file, and the program of
// type P started on it when the test asks.
template <typename P>
class ProgramFixture {
public:
    // False when the folder could not be made.
    bool setUp(const std::vector<RawDraw>& draws) {
        m_dir = std::make_unique<QTemporaryDir>();
        if (!m_dir->isValid()) {
            return false;
        }
        writeArchiveFile(path("Pentad.ldr").toStdString(), draws);
        return true;
    }
    void tearDown() {
        m_program.reset();
        m_dir.reset();
    }
    // Ends the program, keeping its folder for the next start.
    void stop() { m_program.reset(); }
    P& start() {
        m_program = std::make_unique<P>(folder());
        return *m_program;
    }
    QString folder() const { return m_dir->path(); }
    QString path(const char* name) const { return m_dir->path() + "/" + name; }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<P> m_program;
};

}  // namespace pentad::test
