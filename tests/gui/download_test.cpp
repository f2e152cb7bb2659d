// SPDX-License-Identifier: GPL-3.0-or-later
// The draw download in the desktop program against a results site on
// loopback: the command and its button, the wait window that stays live while
// a request waits, the start-up question, the start-up modes and the proxy
// dialog.
#include <memory>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "dialogs/proxy_dialog.h"
#include "draws_pane.h"
#include "gui_tests.h"
#include "modal_script.h"
#include "models/draws_model.h"
#include "shell/ini_file.h"
#include "support/loopback_server.h"
#include "support/results_site.h"
#include "test_program.h"

namespace pentad::test {

class DownloadTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void downloadShowsALiveWaitWindowAndAddsTheDraws();
    void startUpAsksInModeZero();
    void startUpModesAreARadioGroup();
    void proxyDialogEditsTheSettings();

private:
    // The program on the test folder, its results site set to the loopback one.
    std::unique_ptr<TestProgram> start(int downloadMode = 2);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<LoopbackServer> m_server;
    std::unique_ptr<ResultsSite> m_site;
};

namespace {

constexpr int kToday = 20240110;

// A program whose start-up download mode comes from "Pentad.frm".
struct StartedProgram {
    explicit StartedProgram(const QString& folder, const std::string& site)
        : shell(ui), workspace(shell, folder.toStdString()), window(workspace, ui) {
        workspace.online().overrideResultsSite(site);
        workspace.online().today = [] { return kToday; };
        window.show();
        window.initialise();
    }
    ScriptedUserInterface ui;
    Shell shell;
    Workspace workspace;
    TestWindow window;
};

}  // namespace

void DownloadTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    writeArchiveFile((m_dir->path() + "/Pentad.ldr").toStdString(),
                     {{1, {1, 2, 3, 4, 5}, "01/01/2024 M"}, {2, {6, 7, 8, 9, 0}, "01/01/2024 E"}});
    m_site = std::make_unique<ResultsSite>();
    m_site->newest = kToday;
    m_server = std::make_unique<LoopbackServer>();
    m_site->install(m_server->http());
    QVERIFY(m_server->start() > 0);
}

void DownloadTest::cleanup() {
    m_server.reset();
    m_site.reset();
    m_dir.reset();
}

std::unique_ptr<TestProgram> DownloadTest::start(int downloadMode) {
    auto p = std::make_unique<TestProgram>(m_dir->path());
    p->workspace.form().DownloadDrawsOnStart = downloadMode;
    p->workspace.online().overrideResultsSite(m_server->url());
    p->workspace.online().today = [] { return kToday; };
    return p;
}

void DownloadTest::downloadShowsALiveWaitWindowAndAddsTheDraws() {
    // The site takes its time, so the window has to stay live meanwhile.
    m_site->pageFor = [this](int from, int to) {
        QThread::msleep(400);
        return m_site->page(from, to);
    };
    auto p = start();
    auto* button = p->window.findChild<QPushButton*>(QStringLiteral("btnDrawsDownload"));
    QVERIFY(button->isEnabled());

    QString waitText;
    bool commandsDisabled = false;
    QTimer::singleShot(150, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* label = qobject_cast<QLabel*>(w);
            if (label != nullptr && label->isVisible()) {
                waitText = label->text();
            }
        }
        commandsDisabled = !p->command("DrawsDownload").isEnabled() && !button->isEnabled();
    });
    button->click();

    QCOMPARE(waitText, QStringLiteral("Загрузка архива тиражей..."));
    QVERIFY(commandsDisabled);
    // 01/02 .. 01/10: nine days of two draws.
    QCOMPARE(p->workspace.archive().count(), 2 + 18);
    QCOMPARE(p->window.drawsPane()->model()->rowCount(), 20);
    QCOMPARE(p->panel(0), QStringLiteral("Архив тиражей: 20"));
    QCOMPARE(readArchiveFile((m_dir->path() + "/Pentad.ldr").toStdString()).size(), size_t{20});
    QVERIFY(p->shell.isIdle());
    QVERIFY(p->command("DrawsDownload").isEnabled());
    QVERIFY(p->ui.messages.empty());
    QCOMPARE(p->command("DrawsDownload").shortcut(), QKeySequence(Qt::Key_F3));
}

void DownloadTest::startUpAsksInModeZero() {
    StartedProgram declined(m_dir->path(), m_server->url());
    QCOMPARE(declined.ui.questions.size(), size_t{1});
    QCOMPARE(QString::fromStdString(declined.ui.questions[0].text),
             QStringLiteral("Обновить список тиражей?\r\rДля выполнения обновления необходимо "
                            "действующее подключение к сети Интернет."));
    QCOMPARE(declined.workspace.archive().count(), 2);
    QVERIFY(m_site->ranges().empty());
}

void DownloadTest::startUpModesAreARadioGroup() {
    auto p = start();
    QAction& automatic = p->command("AutoDownload1");
    QVERIFY(p->command("AutoDownload2").isChecked());
    automatic.trigger();
    QVERIFY(automatic.isChecked());
    QVERIFY(!p->command("AutoDownload0").isChecked());
    QVERIFY(!p->command("AutoDownload2").isChecked());
    IniFile frm((m_dir->path() + "/Pentad.frm").toStdString());
    QCOMPARE(frm.readInt("TFormMain", "DownloadDrawsOnStart", -1), 1LL);
    p.reset();

    // The next start downloads without asking.
    StartedProgram next(m_dir->path(), m_server->url());
    QVERIFY(next.ui.questions.empty());
    QCOMPARE(next.workspace.archive().count(), 20);
}

void DownloadTest::proxyDialogEditsTheSettings() {
    auto p = start();
    QStringList fileMenu;
    for (QAction* item : p->window.menuBar()->actions().first()->menu()->actions()) {
        fileMenu.append(item->isSeparator() ? QStringLiteral("-") : item->objectName());
    }
    QCOMPARE(fileMenu,
             (QStringList{"EditConfig", "EditShredding", "EditProxy", "-", "mnLanguage", "-",
                          "ExitProgram"}));
    bool fieldsOffAtFirst = false;
    bool fieldsOnWithManual = false;
    onNextModal<ProxyDialog>([&](ProxyDialog* dialog) {
        auto* server = dialog->findChild<QLineEdit*>(QStringLiteral("edProxyServer"));
        fieldsOffAtFirst =
            dialog->findChild<QRadioButton*>(QStringLiteral("rbProxyNone"))->isChecked() &&
            !server->isEnabled();
        dialog->findChild<QRadioButton*>(QStringLiteral("rbProxyManual"))->setChecked(true);
        fieldsOnWithManual = server->isEnabled();
        server->setText(QStringLiteral("proxy.local"));
        dialog->findChild<QSpinBox*>(QStringLiteral("edProxyPort"))->setValue(3128);
        dialog->findChild<QLineEdit*>(QStringLiteral("edProxyUser"))
            ->setText(QStringLiteral("bob"));
        dialog->findChild<QLineEdit*>(QStringLiteral("edProxyPassword"))
            ->setText(QStringLiteral("pw"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    p->command("EditProxy").trigger();
    QVERIFY(fieldsOffAtFirst);
    QVERIFY(fieldsOnWithManual);
    IniFile ini((m_dir->path() + "/Pentad.ini").toStdString());
    QCOMPARE(ini.readInt("PROXY", "ProxyMode", -1), 2LL);
    QCOMPARE(ini.readString("PROXY", "ProxyServer", ""), std::string("proxy.local"));
    QCOMPARE(ini.readInt("PROXY", "ProxyPort", -1), 3128LL);
    QCOMPARE(ini.readString("PROXY", "ProxyPassword", ""), std::string("pw"));

    // Reopened, the dialog shows the manual choice with its fields.
    QString shownServer;
    onNextModal<ProxyDialog>([&](ProxyDialog* dialog) {
        shownServer = dialog->findChild<QLineEdit*>(QStringLiteral("edProxyServer"))->text();
        dialog->findChild<QRadioButton*>(QStringLiteral("rbProxyAutomatic"))->setChecked(true);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    p->command("EditProxy").trigger();
    QCOMPARE(shownServer, QStringLiteral("proxy.local"));
    ini.reload();
    QCOMPARE(ini.readInt("PROXY", "ProxyMode", -1), 1LL);
    QCOMPARE(ini.readString("PROXY", "ProxyServer", "x"), std::string());
}

int runDownloadTests(int argc, char** argv) {
    DownloadTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "download_test.moc"
