// SPDX-License-Identifier: GPL-3.0-or-later
// The online catalogue panel of the scenario tab against a catalogue server
// on a loopback port: the list, a filter change, a rating, and the hint
// shown when no server is configured.
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QLabel>
#include <QSet>
#include <QTableView>
#include <QTest>

#include "archive_bytes.h"
#include "catalogue_panel.h"
#include "dialogs/catalogue_dialogs.h"
#include "gui_tests.h"
#include "modal_script.h"
#include "models/systems_model.h"
#include "shell/file_io.h"
#include "systems_pane.h"
#include "online/catalogue_protocol.h"
#include "online/catalogue_texts.h"
#include "online/http_client.h"
#include "online/proxy_settings.h"
#include "shell/ini_file.h"
#include "support/catalogue_server.h"
#include "test_program.h"

namespace pentad::test {
namespace {

const std::vector<RawDraw> kDraws = {
    {101, {1, 2, 3, 4, 5}, "01/01/2024 M"},
    {102, {6, 7, 8, 9, 0}, "01/01/2024 E"},
};

// Publishes an entry as another user of the catalogue.
int publishAsOther(const std::string& address, const std::string& title) {
    catalogue::Identity other{std::string(catalogue::kPentadAppId), "1.0", "hw-other", "Другой",
                              "other@example.org", 1049};
    CatalogueClient client(address, other, [](const std::string& a, const std::string& b) {
        return httpPostBody(a, b);
    });
    tScriptData data;
    data.AuthorName = "Другой";
    data.Lcid = 1049;
    data.Title = title;
    data.Descr = "Описание";
    return client.putScript(data, "FULL:0#FIRST| | | | | | | |x");
}

QString cell(const CataloguePanel& panel, int row, int column) {
    const QAbstractItemModel* model = panel.view()->model();
    return model->data(model->index(row, column)).toString();
}

}  // namespace

class CataloguePanelTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_fixture.setUp(kDraws)); }
    void cleanup() { m_fixture.tearDown(); }

    void listsFiltersAndRates();
    void withoutAnAddressShowsTheHint();
    void systemsPageListsAndDownloads();

private:
    ProgramFixture<TestProgram> m_fixture;
};

void CataloguePanelTest::listsFiltersAndRates() {
    LoopbackCatalogue server;
    const int first = publishAsOther(server.address(), "Первый");
    const int second = publishAsOther(server.address(), "Второй");
    QVERIFY(first > 0 && second > 0);
    IniFile ini(m_fixture.path("Pentad.ini").toStdString());
    ini.writeString(kOnlineSection, texts::kCatalogueKey, server.address());
    ini.writeString(kOnlineSection, texts::kUserNameKey, "Тестер");
    ini.writeString(kOnlineSection, texts::kUserMailKey, "tester@example.org");

    TestProgram& p = m_fixture.start();
    CataloguePanel& panel = *p.window.cataloguePanel();
    // the start lists the catalogue already
    QCOMPARE(panel.view()->model()->rowCount(), 2);
    p.command("ScriptLibraryRefresh").trigger();
    QVERIFY(!panel.hint()->isVisibleTo(&panel));
    QCOMPARE(panel.view()->model()->rowCount(), 2);
    QCOMPARE(QSet<QString>({cell(panel, 0, 1), cell(panel, 1, 1)}),
             QSet<QString>({QStringLiteral("Первый"), QStringLiteral("Второй")}));
    QCOMPARE(cell(panel, 0, 0), QStringLiteral("Общий"));
    QCOMPARE(cell(panel, 0, 2), QStringLiteral("Другой"));
    QCOMPARE(cell(panel, 0, 5), QStringLiteral("RUS"));
    // another user's entry: rate and download yes, replace and delete no
    panel.focusEntry(second);
    p.window.updateActions();
    QVERIFY(p.command("ScriptLibraryDownload").isEnabled());
    QVERIFY(p.command("ScriptLibraryRate4").isEnabled());
    QVERIFY(!p.command("ScriptLibraryRate0").isEnabled());
    QVERIFY(!p.command("ScriptLibraryDelete").isEnabled());
    QVERIFY(!p.command("ScriptLibraryReplace").isEnabled());

    // "Только мои" lists nothing for this user; the choice is kept
    panel.filterBox()->setCurrentIndex(3);
    QCOMPARE(panel.view()->model()->rowCount(), 0);
    QCOMPARE(p.workspace.form().ScriptLibraryFilter, 3);
    panel.filterBox()->setCurrentIndex(2);
    QCOMPARE(panel.view()->model()->rowCount(), 2);

    // rate the second entry 4 with a comment; the reload keeps it focused
    panel.focusEntry(second);
    p.window.updateActions();
    p.ui.queueText("Неплохо");
    p.command("ScriptLibraryRate4").trigger();
    QVERIFY2(p.ui.messages.empty(), p.ui.messages.empty() ? "" : p.ui.messages.back().text.c_str());
    QVERIFY(panel.focused() != nullptr);
    QCOMPARE(panel.focused()->Id, second);
    const int row = panel.view()->currentIndex().row();
    QCOMPARE(cell(panel, row, 9), QStringLiteral("4"));
    QCOMPARE(cell(panel, row, 8), QStringLiteral("1"));
    QVERIFY(p.command("ScriptLibraryRate4").isChecked());
    QVERIFY(p.command("ScriptLibraryRate0").isEnabled());

    // a cancelled comment sends nothing
    p.command("ScriptLibraryRate2").trigger();
    QCOMPARE(cell(panel, panel.view()->currentIndex().row(), 9), QStringLiteral("4"));

    // hiding: gone under the default filter
    p.command("ScriptLibraryHide").trigger();
    QCOMPARE(panel.view()->model()->rowCount(), 1);
    QCOMPARE(cell(panel, 0, 1), QStringLiteral("Первый"));

    // the download replaces the scenario
    panel.focusEntry(first);
    p.window.updateActions();
    p.command("ScriptLibraryDownload").trigger();
    QCOMPARE(p.workspace.scenario().count(), 1);

    // publishing: a taken title keeps the dialog open, a free one sends it
    p.window.updateActions();
    QVERIFY(p.command("ScriptLibraryUpload").isEnabled());
    p.ui.messages.clear();
    bool stayedOpen = false;
    onNextModal<ScriptPropertiesDialog>([&](ScriptPropertiesDialog* dialog) {
        QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("edAuthor"))->text(),
                 QStringLiteral("Тестер"));
        dialog->findChild<QLineEdit*>(QStringLiteral("edTitle"))->setText(QStringLiteral("Первый"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        stayedOpen = dialog->isVisible();
        dialog->findChild<QLineEdit*>(QStringLiteral("edTitle"))->setText(QStringLiteral("Мой"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    p.command("ScriptLibraryUpload").trigger();
    QVERIFY(stayedOpen);
    QCOMPARE(p.ui.messages.size(), size_t{1});
    QCOMPARE(p.ui.messages[0].text, std::string(texts::kTitleTaken));
    QVERIFY(panel.focused() != nullptr);
    QCOMPARE(panel.focused()->Title, std::string("Мой"));
    QVERIFY(panel.focused()->MineCompatible);
    p.window.updateActions();
    QVERIFY(p.command("ScriptLibraryDelete").isEnabled());
    // the owner deletes it after the question
    p.ui.queueAnswer(true);
    p.command("ScriptLibraryDelete").trigger();
    QCOMPARE(panel.view()->model()->rowCount(), 1);
}

void CataloguePanelTest::withoutAnAddressShowsTheHint() {
    TestProgram& p = m_fixture.start();
    CataloguePanel& panel = *p.window.cataloguePanel();
    p.command("ScriptLibraryRefresh").trigger();
    QVERIFY(panel.hint()->isVisibleTo(&panel));
    QVERIFY(p.ui.messages.empty());
    QCOMPARE(panel.view()->model()->rowCount(), 0);
    // the toggle hides the panel and stores the choice
    QVERIFY(p.command("ScriptLibrary").isChecked());
    p.command("ScriptLibrary").trigger();
    QVERIFY(!p.workspace.form().ScriptLibraryOn);
    QVERIFY(!p.command("ScriptLibraryRefresh").isEnabled());
}

void CataloguePanelTest::systemsPageListsAndDownloads() {
    LoopbackCatalogue server;
    catalogue::Identity other{std::string(catalogue::kPentadAppId), "1.0", "hw-other", "Другой",
                              "other@example.org", 1049};
    CatalogueClient client(server.address(), other, [](const std::string& a, const std::string& b) {
        return httpPostBody(a, b);
    });
    tSystemData system;
    system.Info.Nums = 6;
    system.Info.CSize = 2;
    system.Info.Title = "Шесть";
    system.Info.Author = "Другой";
    system.Info.Descr = "Две линии";
    system.CList = "01 02 03 04 05\r\n02 03 04 05 06";
    const int id = client.putSystem(system, false);
    QVERIFY(id > 0);
    IniFile ini(m_fixture.path("Pentad.ini").toStdString());
    ini.writeString(kOnlineSection, texts::kCatalogueKey, server.address());
    ini.writeString(kOnlineSection, texts::kUserMailKey, "tester@example.org");

    TestProgram& p = m_fixture.start();
    p.command("SystemsOn").trigger();
    SystemsModel& model = *p.window.systemsPane()->model();
    QVERIFY(model.online());
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("Шесть"));
    QCOMPARE(model.data(model.index(0, SystemsModel::StatusColumn)).toString(), QString());
    QVERIFY(!p.command("SystemsDownload").isEnabled());

    p.window.systemsPane()->focusRow(0);
    p.window.updateActions();
    QVERIFY(p.command("SystemsDownload").isEnabled());
    p.command("SystemsDownload").trigger();
    QVERIFY(p.ui.messages.empty());
    QCOMPARE(model.data(model.index(0, SystemsModel::StatusColumn)).toString(),
             QStringLiteral("Загружена"));
    QVERIFY(fileExists(SystemFileName(p.workspace.folder(), model.system(0))));

    // someone else's system cannot be deleted
    p.command("SystemsDel").trigger();
    QCOMPARE(p.ui.messages.size(), size_t{1});
    QCOMPARE(p.ui.messages.back().text, std::string("Вы можете удалять только свои системы!"));
    QCOMPARE(model.rowCount(), 1);
}

int runCataloguePanelTests(int argc, char** argv) {
    CataloguePanelTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "catalogue_panel_test.moc"
