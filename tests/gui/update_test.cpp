// SPDX-License-Identifier: GPL-3.0-or-later
// The update commands of the desktop program against an update server on
// loopback: the search with its offer window, the installation into a copy
// of a program folder followed by the restart, declining the offer, the
// quiet check at start and the option that switches it.
#include <memory>

#include <zlib.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/update_offer_dialog.h"
#include "gui_tests.h"
#include "modal_script.h"
#include "online/update_texts.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/ini_file.h"
#include "shell/view_state.h"
#include "support/update_server.h"
#include "test_program.h"
#include "update_commands.h"

namespace pentad::test {
namespace {

constexpr const char* kCfg = "/files/autoupdates/Kestrel_AU.cfg";
constexpr const char* kPackage = "/files/autoupdates/pentad-5.3.0.121.run";
constexpr const char* kNotes = "/files/autoupdates/UpdDescr/UpdDescr_5.3.0.121.txt";
constexpr const char* kOwnVersion = "5.3.0.120";

std::string crcOf(const std::string& bytes) {
    const uLong crc =
        crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size()));
    return format("%08lX", static_cast<unsigned long>(crc));
}

// The program started on a data folder, its updates looked for at `address`
// and installed into `programFolder`.
struct UpdatingProgram {
    UpdatingProgram(const QString& folder, const std::string& address,
                    const std::string& programFolder, bool autoUpdatesFromFile = false)
        : shell(ui), workspace(shell, folder.toStdString()), window(workspace, ui) {
        workspace.form().DownloadDrawsOnStart = 2;
        if (!autoUpdatesFromFile) {
            workspace.form().AutoUpdates = false;
        }
        workspace.online().overrideUpdateAddress(address);
        SelfUpdateSetup& program = window.updateCommands()->program();
        program.programFolder = programFolder;
        program.programName = "Pentad";
        program.ownVersion = kOwnVersion;
        program.runLimitMs = 20000;
        window.show();
        window.initialise();
    }
    QAction& command(const char* name) { return *window.action(QString::fromUtf8(name)); }

    ScriptedUserInterface ui;
    Shell shell;
    Workspace workspace;
    TestWindow window;
};

// What the offer window showed.
struct ShownOffer {
    bool shown = false;
    QString title;
    QString ownVersion;
    QString newVersion;
    QString notes;
    QString installCaption;
    QString refuseCaption;
};

// Answers the next offer window with the button `button` and records it.
void answerOffer(ShownOffer& seen, const char* button) {
    onNextModal<UpdateOfferDialog>([&seen, button](UpdateOfferDialog* dialog) {
        seen.shown = true;
        seen.title = dialog->windowTitle();
        seen.ownVersion = dialog->findChild<QLabel*>(QStringLiteral("lbCurrentVersion"))->text();
        seen.newVersion = dialog->findChild<QLabel*>(QStringLiteral("lbNewVersion"))->text();
        seen.notes =
            dialog->findChild<QPlainTextEdit*>(QStringLiteral("memoDescription"))->toPlainText();
        auto* install = dialog->findChild<QPushButton*>(QStringLiteral("btnInstall"));
        auto* refuse = dialog->findChild<QPushButton*>(QStringLiteral("btnRefuse"));
        seen.installCaption = install->text();
        seen.refuseCaption = refuse->text();
        dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    });
}

}  // namespace

class UpdateTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void searchOffersTheVersionAndInstallingRestarts();
    void decliningTheOfferInstallsNothing();
    void startCheckIsQuietWhenNothingIsFoundOrTheServerIsDown();
    void startCheckInstallsAndRestarts();
    void autoUpdateOptionIsSavedAndStopsTheStartCheck();

private:
    // Offers build 121 with a package that rewrites "a.txt".
    void offerNewVersion();
    std::unique_ptr<UpdatingProgram> start(bool autoUpdatesFromFile = false);
    std::string programFile(const char* name) const {
        return (m_program->path() + "/" + name).toStdString();
    }

    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<QTemporaryDir> m_program;
    std::unique_ptr<UpdateServer> m_server;
};

void UpdateTest::init() {
    m_data = std::make_unique<QTemporaryDir>();
    m_program = std::make_unique<QTemporaryDir>();
    QVERIFY(m_data->isValid() && m_program->isValid());
    writeArchiveFile((m_data->path() + "/Pentad.ldr").toStdString(), kSixDraws);
    writeFileAtomic(programFile("a.txt"), "old");
    m_server = std::make_unique<UpdateServer>();
}

void UpdateTest::cleanup() {
    m_server.reset();
    m_program.reset();
    m_data.reset();
}

void UpdateTest::offerNewVersion() {
    const std::string package = "#!/bin/sh\necho new > a.txt\n";
    m_server->put(kPackage, package);
    m_server->put(kCfg, utf8ToCp1251("[Pentad]\r\nVerId=5.3.0.121\r\nDescription=Пентад 5.3.0.121"
                                     "\r\nDownloadUrl=" +
                                     m_server->url(kPackage) +
                                     "\r\nOriginalFileName=setup.sh\r\nChecksumCRC32=" +
                                     crcOf(package) + "\r\n"));
    m_server->put(kNotes, utf8ToCp1251("Новые фильтры\r\nБыстрее загрузка"));
}

std::unique_ptr<UpdatingProgram> UpdateTest::start(bool autoUpdatesFromFile) {
    return std::make_unique<UpdatingProgram>(m_data->path(), m_server->url(kCfg),
                                             m_program->path().toStdString(), autoUpdatesFromFile);
}

void UpdateTest::searchOffersTheVersionAndInstallingRestarts() {
    offerNewVersion();
    auto p = start();
    QCOMPARE(m_server->hits(kCfg), 0);
    // The command sits in the submenu "Автообновление" of "Справка".
    QAction& check = p->command("CheckUpdate");
    QVERIFY(check.isEnabled());
    auto* submenu = p->window.findChild<QMenu*>(QStringLiteral("mnAutoUpdate"));
    QVERIFY(submenu != nullptr);
    QCOMPARE(submenu->title(), QStringLiteral("Автообновление"));
    QVERIFY(submenu->actions().contains(&check));

    ShownOffer seen;
    answerOffer(seen, "btnInstall");
    check.trigger();

    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("Найдена новая версия программы"));
    QCOMPARE(seen.ownVersion, QStringLiteral("5.3.0.120"));
    QCOMPARE(seen.newVersion, QStringLiteral("Пентад 5.3.0.121"));
    QCOMPARE(seen.notes, QStringLiteral("Новые фильтры\nБыстрее загрузка"));
    QCOMPARE(seen.installCaption, QStringLiteral("Установить"));
    QCOMPARE(seen.refuseCaption, QStringLiteral("Отказаться"));

    // Installed into the program folder, announced, and the program restarts.
    QCOMPARE(readFileBytes(programFile("a.txt")), std::string("new\n"));
    QVERIFY(!fileExists(programFile("SelfUpdate")));
    QCOMPARE(p->ui.messages.size(), size_t{1});
    QCOMPARE(p->ui.messages[0].kind, MessageKind::Attention);
    QCOMPARE(p->ui.messages[0].text,
             format(texts::kUpdateInstalled, std::string("Пентад 5.3.0.121")));
    QCOMPARE(p->window.launched.size(), 1);
    QCOMPARE(p->window.launched[0].mid(1), QStringList{QStringLiteral("restart")});
    QVERIFY(p->window.ending());
    QCOMPARE(p->shell.busyCount(), 0);
}

void UpdateTest::decliningTheOfferInstallsNothing() {
    offerNewVersion();
    auto p = start();
    ShownOffer seen;
    answerOffer(seen, "btnRefuse");
    p->command("CheckUpdate").trigger();
    QVERIFY(seen.shown);
    QCOMPARE(readFileBytes(programFile("a.txt")), std::string("old"));
    QCOMPARE(m_server->hits(kPackage), 0);
    QVERIFY(p->ui.messages.empty());
    QVERIFY(p->window.launched.isEmpty());
    QVERIFY(!p->window.ending());

    // With nothing newer on offer the search says so.
    m_server->put(kCfg,
                  "[Pentad]\r\nVerId=5.3.0.120\r\nDownloadUrl=" + m_server->url(kPackage) + "\r\n");
    p->command("CheckUpdate").trigger();
    QCOMPARE(p->ui.messages.size(), size_t{1});
    QCOMPARE(p->ui.messages[0].kind, MessageKind::Information);
    QCOMPARE(p->ui.messages[0].text, std::string(texts::kUpdateNotFound));
    QVERIFY(p->window.launched.isEmpty());
}

void UpdateTest::startCheckIsQuietWhenNothingIsFoundOrTheServerIsDown() {
    // Nothing newer: the description is read and nothing is said.
    m_server->put(kCfg,
                  "[Pentad]\r\nVerId=5.3.0.119\r\nDownloadUrl=" + m_server->url(kPackage) + "\r\n");
    {
        auto p = start(true);
        QCOMPARE(m_server->hits(kCfg), 1);
        QVERIFY(p->ui.messages.empty());
        QVERIFY(p->window.launched.isEmpty());
        QVERIFY(!p->window.ending());
        QCOMPARE(p->shell.busyCount(), 0);
    }
    // No server at all: quiet as well, and the program starts normally.
    {
        UpdatingProgram p(m_data->path(), "http://127.0.0.1:" + std::to_string(closedPort()) + kCfg,
                          m_program->path().toStdString(), true);
        QVERIFY(p.ui.messages.empty());
        QVERIFY(p.window.launched.isEmpty());
        QVERIFY(!p.window.ending());
        QVERIFY(p.command("DrawsAdd").isEnabled());
    }
    QVERIFY(!fileExists(programFile("SelfUpdates.inf")));
    // The search with the command reports the same failure.
    auto p = std::make_unique<UpdatingProgram>(
        m_data->path(), "http://127.0.0.1:" + std::to_string(closedPort()) + kCfg,
        m_program->path().toStdString());
    p->command("CheckUpdate").trigger();
    QCOMPARE(p->ui.messages.size(), size_t{1});
    QCOMPARE(p->ui.messages[0].kind, MessageKind::Error);
    QVERIFY(p->ui.messages[0].text.rfind("Ошибка поиска обновлений!\r\r", 0) == 0);
}

void UpdateTest::startCheckInstallsAndRestarts() {
    offerNewVersion();
    ShownOffer seen;
    answerOffer(seen, "btnInstall");
    auto p = start(true);
    QVERIFY(seen.shown);
    QCOMPARE(readFileBytes(programFile("a.txt")), std::string("new\n"));
    QCOMPARE(p->window.launched.size(), 1);
    QCOMPARE(p->window.launched[0].mid(1), QStringList{QStringLiteral("restart")});
    QVERIFY(p->window.ending());
}

void UpdateTest::autoUpdateOptionIsSavedAndStopsTheStartCheck() {
    m_server->put(kCfg, "[Pentad]\r\nVerId=5.3.0.119\r\n");
    const std::string frm = (m_data->path() + "/Pentad.frm").toStdString();
    {
        // On by default: the check runs at start.
        auto p = start(true);
        QCOMPARE(m_server->hits(kCfg), 1);
        QAction& option = p->command("AutoSelfUpdate");
        QVERIFY(option.isCheckable());
        QVERIFY(option.isChecked());
        option.trigger();
        QVERIFY(!option.isChecked());
        QVERIFY(!IniFile(frm).readBool(kMainFormSection, "AutoUpdates", true));
    }
    {
        // Switched off: no check at the next start.
        auto p = start(true);
        QCOMPARE(m_server->hits(kCfg), 1);
        QAction& option = p->command("AutoSelfUpdate");
        QVERIFY(!option.isChecked());
        option.trigger();
        QVERIFY(option.isChecked());
        QVERIFY(IniFile(frm).readBool(kMainFormSection, "AutoUpdates", false));
    }
    auto p = start(true);
    QCOMPARE(m_server->hits(kCfg), 2);
}

int runUpdateTests(int argc, char** argv) {
    UpdateTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "update_test.moc"
