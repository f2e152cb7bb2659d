// SPDX-License-Identifier: GPL-3.0-or-later
// The start and the end of a run: the batch words of the command line, the
// first-run dialog, the restart, a close asked for during a scenario run, and
// what closing writes and lets go of.
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "dialogs/first_run_dialog.h"
#include "dialogs/test_count_dialog.h"
#include "gui_tests.h"
#include "modal_script.h"
#include "shell/file_io.h"
#include "shell/ini_file.h"
#include "shell/processes.h"
#include "test_program.h"

namespace pentad::test {

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_fixture.setUp(kSixDraws)); }
    void cleanup() { m_fixture.tearDown(); }

    void batchWordsEndTheProgramOnceLoaded();
    void firstRunDialogIsShownUntilTurnedOff();
    void restartStartsTheProgramAgainOnTheSameFolder();
    void closeDuringAScenarioRunWaitsForTheStop();
    void closingWritesTheLayoutAndLetsGoOfTheLedger();

private:
    QString path(const char* name) const { return m_fixture.path(name); }
    ProgramFixture<TestProgram> m_fixture;
};

void StartupTest::batchWordsEndTheProgramOnceLoaded() {
    for (const char* word : {"/LOADONLY", "--loadonly", "-LoadOnly"}) {
        TestProgram p(m_fixture.folder(), {word});
        QVERIFY2(p.window.ending(), word);
        // The stores were loaded before the end.
        QCOMPARE(p.workspace.archive().count(), 6);
        QTRY_VERIFY(!p.window.isVisible());
        QVERIFY(!fileLockHeld(path("Pentad.lsk").toStdString()));
    }
    for (const char* word : {"loadonly2", "load", "restart"}) {
        TestProgram p(m_fixture.folder(), {word});
        QVERIFY2(!p.window.ending(), word);
        QTest::qWait(20);
        QVERIFY(p.window.isVisible());
    }
}

void StartupTest::firstRunDialogIsShownUntilTurnedOff() {
    // Not shown by default.
    {
        TestProgram p(m_fixture.folder());
        QVERIFY(p.window.isVisible());
    }
    IniFile(path("Pentad.frm").toStdString()).writeBool("TFormMain", "FirstRun", true);
    writeFileAtomic(path("Pentad.ini").toStdString(), "[LINKS]\r\nurlBlog=blog.example.org\r\n");
    bool shown = false;
    bool helpEnabled = true;
    onNextModal<FirstRunDialog>([&](FirstRunDialog* dialog) {
        shown = dialog->windowTitle() == QStringLiteral("Справочная информация");
        // No help file is installed beside the test program.
        helpEnabled = dialog->findChild<QPushButton*>(QStringLiteral("btnHelp"))->isEnabled();
        QVERIFY(dialog->findChild<QPushButton*>(QStringLiteral("btnurlYT")) == nullptr);
        dialog->findChild<QPushButton*>(QStringLiteral("btnurlBlog"))->click();
        dialog->reject();
    });
    {
        TestProgram p(m_fixture.folder());
        QVERIFY(shown);
        QVERIFY(!helpEnabled);
        QCOMPARE(p.ui.openedAddresses, (std::vector<std::string>{"http://blog.example.org"}));
        QVERIFY(p.workspace.form().FirstRun);
    }
    QVERIFY(IniFile(path("Pentad.frm").toStdString()).readBool("TFormMain", "FirstRun", false));

    // "Больше не показывать данный диалог" turns it off.
    onNextModal<FirstRunDialog>([](FirstRunDialog* dialog) {
        dialog->findChild<QCheckBox*>(QStringLiteral("cbNoMore"))->setChecked(true);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
    });
    { TestProgram p(m_fixture.folder()); }
    QVERIFY(!IniFile(path("Pentad.frm").toStdString()).readBool("TFormMain", "FirstRun", true));
}

void StartupTest::restartStartsTheProgramAgainOnTheSameFolder() {
    TestProgram p(m_fixture.folder());
    p.window.setExplicitFolder(m_fixture.folder());
    p.window.restart();
    QCOMPARE(p.window.launched.size(), 1);
    QCOMPARE(p.window.launched[0].mid(1),
             (QStringList{"restart", "--dir", m_fixture.folder()}));
    QVERIFY(!p.window.launched[0][0].isEmpty());
    // This copy ends and lets go of the data folder for the new one.
    QTRY_VERIFY(!p.window.isVisible());
    QVERIFY(!fileLockHeld(path("Pentad.lsk").toStdString()));
}

void StartupTest::closeDuringAScenarioRunWaitsForTheStop() {
    writeFileAtomic(path("Pentad.lss").toStdString(), std::string(kFirstLine) + "\r\n");
    TestProgram p(m_fixture.folder());
    ScenarioRunner& runner = p.workspace.runner();
    auto shown = runner.onStatus;
    bool refused = false;
    bool closedDuringRun = false;
    int cycle = 0;
    runner.onStatus = [&, shown] {
        shown();
        if (!runner.running() || runner.status().cycle == cycle) {
            return;
        }
        cycle = runner.status().cycle;
        if (cycle == 1) {
            // No to the stop question: the run goes on and the window stays.
            refused = !p.window.close();
        } else if (cycle == 2) {
            p.ui.queueAnswer(true);
            closedDuringRun = p.window.close();
        }
    };
    onNextModal<TestCountDialog>([](TestCountDialog* dialog) {
        dialog->findChild<QSpinBox*>(QStringLiteral("edTestCount"))->setValue(4);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    p.command("ScriptTest").trigger();
    QVERIFY(refused);
    QVERIFY(!closedDuringRun);
    QCOMPARE(p.ui.questions.size(), size_t{2});
    QCOMPARE(QString::fromStdString(p.ui.questions[0].text),
             QStringLiteral("Остановить выполнение сценария?"));
    // The stop ended the run at the pass it was in; then the window closed.
    QVERIFY(!runner.running());
    QCOMPARE(p.workspace.offset(), 3);
    QTRY_VERIFY(!p.window.isVisible());
    QVERIFY(!fileLockHeld(path("Pentad.lsk").toStdString()));
}

void StartupTest::closingWritesTheLayoutAndLetsGoOfTheLedger() {
    TestProgram p(m_fixture.folder());
    QVERIFY(fileLockHeld(path("Pentad.lsk").toStdString()));
    const bool iniBefore = fileExists(path("Pentad.ini").toStdString());
    p.workspace.form().DrawsGraphLen = 150;
    p.workspace.form().LayoutCompareLen[4] = 444;
    p.workspace.form().ScriptLibraryFilter = 1;
    QVERIFY(p.window.close());
    QVERIFY(!fileLockHeld(path("Pentad.lsk").toStdString()));
    QCOMPARE(fileExists(path("Pentad.ini").toStdString()), iniBefore);

    IniFile frm(path("Pentad.frm").toStdString());
    for (const char* key :
         {"LeftPanelWidth", "DrawsExclude", "DrawsStatLen", "DrawsStatHeight", "DrawsGraphLen",
          "FiltersHeight", "LayoutLen", "LayoutCompareLen1", "LayoutCompareLen2",
          "LayoutCompareLen3", "LayoutCompareLen4", "LayoutCompareLen5", "WeekLen", "WeekHeight",
          "LayoutCompareHeight", "ScriptLibraryHeight", "ScriptLibraryFilter", "NormPos"}) {
        QVERIFY2(frm.hasKey("TFormMain", key), key);
    }
    QCOMPARE(frm.readInt("TFormMain", "DrawsGraphLen", 0), 150LL);
    QCOMPARE(frm.readInt("TFormMain", "LayoutCompareLen5", 0), 444LL);
    QCOMPARE(frm.readInt("TFormMain", "ScriptLibraryFilter", 0), 1LL);
    // The next copy gets the folder.
    TestProgram next(m_fixture.folder());
    QVERIFY(next.ui.messages.empty());
    QVERIFY(next.workspace.stakes().ledger().isOpen());
}

int runStartupTests(int argc, char** argv) {
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "startup_test.moc"
