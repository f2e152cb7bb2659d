// SPDX-License-Identifier: GPL-3.0-or-later
// The help file in the main window: F1 opens it with the desktop's viewer,
// and the description window shows the topic of the chosen method read from
// the compiled file, follows its links and names a topic it cannot show.
#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QTest>
#include <QTextDocument>

#include "dialogs/description_dialog.h"
#include "gui_tests.h"
#include "help_browser.h"
#include "modal_script.h"
#include "stat_pane.h"
#include "test_program.h"

namespace pentad::test {
namespace {

const std::vector<RawDraw> kDraws = {
    {1, {2, 5, 1, 8, 4}, "03/09/2024 M"},
    {2, {6, 0, 3, 9, 7}, "03/09/2024 E"},
    {3, {3, 6, 1, 2, 8}, "03/10/2024 M"},
};

#ifdef PENTAD_HELP_DIR
QString helpFile(const char* language) {
    return QStringLiteral(PENTAD_HELP_DIR "/Kestrel_%1.chm").arg(QLatin1String(language));
}
#endif

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void f1OpensTheHelpFileOnlyWhenThereIsOne();
    void descriptionShowsTheTopicOfTheChosenMethod();
    void englishFileShowsEnglishTopics();
    void aTopicTheFileLacksIsNamed();

private:
    // Chooses the method `code` in the statistics chooser; the method's
    // topic as the description window shows it.
    QString describe(const char* code, QString* source = nullptr);

    ProgramFixture<TestProgram> m_fixture;
    TestProgram* m_program = nullptr;
};

void HelpTest::init() {
    QVERIFY(m_fixture.setUp(kDraws));
    m_program = &m_fixture.start();
}

void HelpTest::cleanup() {
    m_program = nullptr;
    m_fixture.tearDown();
}

QString HelpTest::describe(const char* code, QString* source) {
    TestProgram& p = *m_program;
    const int entry = p.workspace.stats().IndexOfCode(code);
    const std::vector<int>& choices = p.workspace.statPage().choices();
    const auto at = std::find(choices.begin(), choices.end(), entry);
    p.window.statPane()->chooser()->setCurrentIndex(static_cast<int>(at - choices.begin()));
    p.window.updateActions();
    QString shown;
    onNextModal<DescriptionDialog>([&](DescriptionDialog* dialog) {
        shown = dialog->browser()->toPlainText();
        if (source != nullptr) {
            *source = dialog->browser()->source().toString();
        }
        dialog->reject();
    });
    p.command("FiltersInfo").trigger();
    return shown;
}

void HelpTest::f1OpensTheHelpFileOnlyWhenThereIsOne() {
    TestProgram& p = *m_program;
    QAction& help = p.command("GetHelp");
    QCOMPARE(help.shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(help.text(), QStringLiteral("Справка"));
    p.workspace.stats().HelpFile.clear();
    p.window.updateActions();
    QVERIFY(!help.isEnabled());

    // A help file that has gone away does not count either.
    const QString file = m_fixture.path("Kestrel_RUS.chm");
    p.workspace.stats().HelpFile = file.toStdString();
    p.window.updateActions();
    QVERIFY(!help.isEnabled());

    QFile chm(file);
    QVERIFY(chm.open(QIODevice::WriteOnly));
    chm.close();
    p.window.updateActions();
    QVERIFY(help.isEnabled());
    help.trigger();
    QCOMPARE(p.window.openedDocuments, QStringList{file});
}

void HelpTest::descriptionShowsTheTopicOfTheChosenMethod() {
#ifndef PENTAD_HELP_DIR
    QSKIP("the help files are not built");
#else
    TestProgram& p = *m_program;
    p.workspace.stats().HelpFile = helpFile("RUS").toStdString();
    QString source;
    const QString shown = describe("SUMS", &source);
    QCOMPARE(source, QStringLiteral("chm:/Filters_1049_SUMS.htm"));
    QVERIFY2(shown.contains(QStringLiteral("Сумма тиража: все значения")), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("Код: SUMS")), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("5117")), qPrintable(shown));

    // The page's links, style sheet and the other topics come from the same file.
    DescriptionDialog dialog(p.workspace.stats().HelpUrl(p.workspace.stats().IndexOfCode("SUMS")));
    HelpBrowser* browser = dialog.browser();
    const QVariant css = browser->loadResource(QTextDocument::StyleSheetResource,
                                               browser->source().resolved(QUrl("help.css")));
    QVERIFY(css.toString().contains(QStringLiteral("font-family")));
    browser->setSource(browser->source().resolved(QUrl(QStringLiteral("group_sum.htm"))));
    QVERIFY2(browser->toPlainText().contains(QStringLiteral("{ sum } Сумма чисел тиража")),
             qPrintable(browser->toPlainText()));
    browser->backward();
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Сумма тиража: все значения")));
#endif
}

void HelpTest::englishFileShowsEnglishTopics() {
#ifndef PENTAD_HELP_DIR
    QSKIP("the help files are not built");
#else
    m_program->workspace.stats().HelpFile = helpFile("ENU").toStdString();
    QString source;
    const QString shown = describe("POS3", &source);
    QCOMPARE(source, QStringLiteral("chm:/Filters_1049_POSx.htm"));
    QVERIFY2(shown.contains(QStringLiteral("Digit at position N of the draw")), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("POS1–POS5")), qPrintable(shown));
#endif
}

void HelpTest::aTopicTheFileLacksIsNamed() {
#ifndef PENTAD_HELP_DIR
    QSKIP("the help files are not built");
#else
    const QString address =
        QStringLiteral("ms-its:") + helpFile("RUS") + QStringLiteral("::/Filters_1049_NONE.htm");
    DescriptionDialog dialog(address.toStdString());
    const QString shown = dialog.browser()->toPlainText();
    QVERIFY2(shown.contains(QStringLiteral("Раздел справки не может быть показан.")),
             qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("/Filters_1049_NONE.htm")), qPrintable(shown));
    QVERIFY(!dialog.browser()->showTopic("http://example.org/x.htm"));
#endif
}

int runHelpTests(int argc, char** argv) {
    HelpTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "help_test.moc"
