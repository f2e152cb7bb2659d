// SPDX-License-Identifier: GPL-3.0-or-later
// The interface language of the desktop program: the English module turns
// menus, actions, tabs, status panels, dialogs and day names into English; the
// word "no-language" and a missing or broken module leave the program in
// Russian, the latter two with a message; the menu "Язык интерфейса" lists the
// languages and a switch writes `Language` and restarts the program.
#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "archive_bytes.h"
#include "dialogs/proxy_dialog.h"
#include "download_texts.h"
#include "gui_tests.h"
#include "language_menu.h"
#include "models/week_model.h"
#include "qt_text.h"
#include "shell/data_folder.h"
#include "shell/error.h"
#include "shell/ini_file.h"
#include "shell/messages.h"
#include "test_program.h"
#include "ui_language.h"

namespace pentad::test {
namespace {

// A program started on `folder` whose modules lie in `programDir`, with the
// `Language` setting already in "Pentad.frm".
struct LanguageProgram {
    LanguageProgram(const QString& folder, const QString& programDir,
                    std::vector<std::string> words = {})
        : shell(ui),
          workspace(shell, folder.toStdString()),
          language(startInterfaceLanguage(workspace, hasCommandWord(words, words::kNoLanguage),
                                          programDir.toStdString())),
          window(workspace, ui) {
        window.setCommandWords(std::move(words));
        window.setExplicitFolder(folder);
        window.languageMenu()->setProgramFolder(programDir.toStdString());
        workspace.form().DownloadDrawsOnStart = 2;
        window.show();
        window.initialise();
    }
    ~LanguageProgram() { resetInterfaceLanguage(); }

    QMenu* fileMenu() { return window.menuBar()->actions().first()->menu(); }
    QString panel(int i) { return window.statusPanel(i)->text(); }
    QString actionText(const char* name) {
        return window.action(QString::fromUtf8(name))->text();
    }

    ScriptedUserInterface ui;
    Shell shell;
    Workspace workspace;
    int language;
    TestWindow window;
};

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void englishModuleTranslatesTheWindow();
    void noLanguageWordKeepsRussian();
    void missingOrBrokenModuleIsReportedAndRussianUsed();
    void languageMenuSwitchesAndRestarts();

private:
    void setLanguage(int lcid);
    void copyModule();
    QString folder() const { return m_data->path(); }
    QString programDir() const { return m_program->path(); }

    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<QTemporaryDir> m_program;
};

void LanguageTest::init() {
    m_data = std::make_unique<QTemporaryDir>();
    m_program = std::make_unique<QTemporaryDir>();
    QVERIFY(m_data->isValid() && m_program->isValid());
    writeArchiveFile((folder() + "/Pentad.ldr").toStdString(), kSixDraws);
}

void LanguageTest::cleanup() {
    resetInterfaceLanguage();
    m_data.reset();
    m_program.reset();
}

void LanguageTest::setLanguage(int lcid) {
    IniFile frm((folder() + "/Pentad.frm").toStdString());
    frm.writeInt(kMainFormSection, "Language", lcid);
}

void LanguageTest::copyModule() {
    QVERIFY(QFile::copy(QStringLiteral(PENTAD_LANGUAGE_MODULE),
                        programDir() + QStringLiteral("/Pentad_ENU.lng")));
}

void LanguageTest::englishModuleTranslatesTheWindow() {
    copyModule();
    setLanguage(1033);
    LanguageProgram p(folder(), programDir());
    QVERIFY(p.ui.messages.empty());
    QCOMPARE(p.language, 1033);
    QCOMPARE(p.workspace.interfaceLanguage(), 1033);

    // Menus, commands and their hints.
    QCOMPARE(p.fileMenu()->title(), QStringLiteral("File"));
    QCOMPARE(p.actionText("ExitProgram"), QStringLiteral("Exit"));
    QCOMPARE(p.actionText("EditConfig"), QStringLiteral("Settings"));
    QCOMPARE(p.actionText("DrawsDownload"), QStringLiteral("Download"));
    QCOMPARE(p.window.languageMenu()->menu()->title(), QStringLiteral("Interface language"));
    QVERIFY(!p.window.action(QStringLiteral("DrawsDownload"))->toolTip().isEmpty());
    QCOMPARE(p.window.action(QStringLiteral("DrawsDownload"))->toolTip(),
             uiText(texts::kCmdDrawsDownloadHint));
    QVERIFY(uiText(texts::kCmdDrawsDownloadHint) != QString::fromUtf8(texts::kCmdDrawsDownloadHint));
    // Tabs, list captions and status panels made from counts.
    QCOMPARE(p.window.leftTabs()->tabText(0), QStringLiteral("Draw archive"));
    QCOMPARE(p.panel(0), QStringLiteral("Draw archive: 6"));
    // A dialog built later, and a widget that is not built from the program's
    // text list: translated when it is first shown.
    ProxyDialog proxy(p.workspace.online().proxy(), &p.window);
    QCOMPARE(proxy.windowTitle(), uiText(texts::kProxyDialogCaption));
    QVERIFY(!proxy.windowTitle().contains(QChar(0x0420)));  // no Cyrillic "Р"
    QLabel label(QString::fromUtf8("Выход"));
    label.ensurePolished();
    QCOMPARE(label.text(), QStringLiteral("Exit"));
    // Messages: headline and details each translated, line breaks shown.
    QCOMPARE(displayText(std::string("Выход\r\rФайл")), QStringLiteral("Exit\n\nFile"));

    // Numbers and day names follow the language.
    QCOMPARE(QLocale().name(), QStringLiteral("en_US"));
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral("."));
    QCOMPARE(WeekModel::dayCaption(0), QStringLiteral("Mon"));
    QCOMPARE(WeekModel::dayCaption(6), QStringLiteral("Sun"));
}

void LanguageTest::noLanguageWordKeepsRussian() {
    copyModule();
    setLanguage(1033);
    for (const char* word : {"no-language", "/NO-LANGUAGE", "--no-language"}) {
        LanguageProgram p(folder(), programDir(), {word});
        QVERIFY2(p.ui.messages.empty(), word);
        QCOMPARE(p.language, 1049);
        QCOMPARE(p.fileMenu()->title(), QString::fromUtf8("Файл"));
        QCOMPARE(p.actionText("ExitProgram"), QString::fromUtf8("Выход"));
        QCOMPARE(p.panel(0), QString::fromUtf8("Архив тиражей: 6"));
        QCOMPARE(QLocale().name(), QStringLiteral("ru_RU"));
        QCOMPARE(WeekModel::dayCaption(0), QString::fromUtf8("Пн"));
        QLabel label(QString::fromUtf8("Выход"));
        label.ensurePolished();
        QCOMPARE(label.text(), QString::fromUtf8("Выход"));
    }
    // The word does not change the setting: the next start is English again.
    LanguageProgram p(folder(), programDir());
    QCOMPARE(p.language, 1033);
}

void LanguageTest::missingOrBrokenModuleIsReportedAndRussianUsed() {
    setLanguage(1033);
    {
        LanguageProgram p(folder(), programDir());
        QCOMPARE(p.language, 1049);
        QCOMPARE(p.ui.messages.size(), size_t{1});
        QCOMPARE(p.ui.messages[0].kind, MessageKind::Error);
        QCOMPARE(p.ui.messages[0].text, format(texts::kLanguageModuleMissing, "Pentad_ENU.lng"));
        QCOMPARE(p.fileMenu()->title(), QString::fromUtf8("Файл"));
        QCOMPARE(p.actionText("ExitProgram"), QString::fromUtf8("Выход"));
    }
    // A module that cannot be read: the message names the file and the fault.
    {
        QFile broken(programDir() + QStringLiteral("/Pentad_ENU.lng"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("Файл\tFile\nа line without a translation\n");
        broken.close();
        LanguageProgram p(folder(), programDir());
        QCOMPARE(p.language, 1049);
        QCOMPARE(p.ui.messages.size(), size_t{1});
        const std::string& text = p.ui.messages[0].text;
        const std::string headline =
            format(texts::kLanguageModuleFailed, broken.fileName().toStdString(), "");
        QVERIFY2(text.rfind(headline, 0) == 0, text.c_str());
        QVERIFY2(text.size() > headline.size(), text.c_str());
        QCOMPARE(p.fileMenu()->title(), QString::fromUtf8("Файл"));
    }
}

void LanguageTest::languageMenuSwitchesAndRestarts() {
    copyModule();
    setLanguage(1049);
    LanguageProgram p(folder(), programDir());
    QVERIFY(p.ui.messages.empty());

    // The menu sits in the file menu between the settings and "Выход".
    QStringList fileMenu;
    for (QAction* item : p.fileMenu()->actions()) {
        fileMenu.append(item->isSeparator() ? QStringLiteral("-") : item->objectName());
    }
    QCOMPARE(fileMenu, (QStringList{"EditConfig", "EditShredding", "EditProxy", "-", "mnLanguage",
                                    "-", "ExitProgram"}));
    QMenu* menu = p.window.languageMenu()->menu();
    QCOMPARE(menu->title(), QString::fromUtf8("Язык интерфейса"));
    QStringList items;
    QStringList checked;
    for (QAction* item : menu->actions()) {
        items.append(item->text());
        if (item->isChecked()) {
            checked.append(item->text());
        }
    }
    QCOMPARE(items, (QStringList{"English", QString::fromUtf8("Русский")}));
    QCOMPARE(checked, (QStringList{QString::fromUtf8("Русский")}));

    // The language in use: nothing happens.
    QAction* russian = nullptr;
    QAction* english = nullptr;
    for (QAction* item : menu->actions()) {
        (item->data().toInt() == 1049 ? russian : english) = item;
    }
    QVERIFY(russian != nullptr && english != nullptr);
    QCOMPARE(english->objectName(), QStringLiteral("Language1033"));
    russian->trigger();
    QVERIFY(p.window.launched.isEmpty());

    // The module went away meanwhile: the message, no restart, the setting kept.
    QVERIFY(QFile::remove(programDir() + QStringLiteral("/Pentad_ENU.lng")));
    english->trigger();
    QCOMPARE(p.ui.messages.size(), size_t{1});
    QCOMPARE(p.ui.messages[0].text, format(texts::kLanguageModuleMissing, "Pentad_ENU.lng"));
    QVERIFY(p.window.launched.isEmpty());
    QVERIFY(russian->isChecked() && !english->isChecked());
    IniFile frm((folder() + "/Pentad.frm").toStdString());
    QCOMPARE(frm.readInt(kMainFormSection, "Language", 0), 1049LL);

    // With the module there: `Language` written, the program started again.
    copyModule();
    english->trigger();
    frm.reload();
    QCOMPARE(frm.readInt(kMainFormSection, "Language", 0), 1033LL);
    QCOMPARE(p.window.launched.size(), 1);
    QCOMPARE(p.window.launched[0].mid(1), (QStringList{"restart", "--dir", folder()}));
    QVERIFY(p.window.ending());
}

int runLanguageTests(int argc, char** argv) {
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "language_test.moc"
