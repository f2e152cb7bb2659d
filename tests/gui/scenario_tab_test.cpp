// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario tab: the line dialog and its filter fields, the list commands
// that keep "Pentad.lss" in step, and forecast and test runs with their
// status bar, the locked pages and Stop.
#include <memory>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "archive_bytes.h"
#include "combs_pane.h"
#include "dialogs/filter_dialog.h"
#include "dialogs/line_dialog.h"
#include "dialogs/test_count_dialog.h"
#include "draws_pane.h"
#include "gui_tests.h"
#include "modal_script.h"
#include "models/scenario_model.h"
#include "scenario_pane.h"
#include "shell/cp1251.h"
#include "shell/file_io.h"
#include "stat_pane.h"
#include "test_program.h"

namespace pentad::test {
namespace {

const std::vector<RawDraw>& kDraws = kSixDraws;
constexpr const char* kNumsItem = "TSD1#NUMS:10#LMV:2#ST:3";

template <typename T>
T* field(QWidget* dialog, const QString& name) {
    return dialog->findChild<T*>(name);
}

void clickOk(QDialog* dialog) {
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

struct Program : TestProgram {
    using TestProgram::TestProgram;

    ScenarioPane& pane() { return *window.scenarioPane(); }
    ScenarioModel& model() { return *pane().model(); }
    QString cell(int row, int column) {
        return model().data(model().index(row, column)).toString();
    }
    QString status(int i) { return pane().statusPanel(i)->text(); }
    std::string lssText() { return cp1251ToUtf8(readFileBytes(workspace.filePath("Pentad.lss"))); }
    std::vector<TStakeRec> stakes() {
        std::vector<TStakeRec> out;
        for (const TStakeRec& r : workspace.stakes().ledger().readAll()) {
            if (!r.isSeparator()) {
                out.push_back(r);
            }
        }
        return out;
    }
};

}  // namespace

class ScenarioTabTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lineDialogWritesPlaceholdersAndReadsThemBack();
    void filterFieldsGoThroughTheFilterDialog();
    void startUpLoadsTheScenarioAndFilesAreLsc();
    void lineCommandsKeepListAndFileInStep();
    void forecastStakesWithThePagesLocked();
    void stopDuringTestKeepsTheOffsetItReached();

private:
    QString path(const char* name) const { return m_fixture.path(name); }
    Program& start() { return m_fixture.start(); }

    ProgramFixture<Program> m_fixture;
};

void ScenarioTabTest::init() {
    QVERIFY(m_fixture.setUp(kDraws));
}

void ScenarioTabTest::cleanup() {
    m_fixture.tearDown();
}

void ScenarioTabTest::lineDialogWritesPlaceholdersAndReadsThemBack() {
    Program& p = start();
    const QString item3 = QStringLiteral("BMF2#NUMS:20#LNO#SF");
    LineDialog dialog(p.shell, p.workspace.stats(), p.workspace.statPage(), QString(),
                      TScriptLine{});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Элемент сценария"));
    QCOMPARE(field<QComboBox>(&dialog, "cbStartList")->currentText(),
             QStringLiteral("Исходный список (рекомендуется для тестов)"));
    QCOMPARE(field<QComboBox>(&dialog, "cbStakeMode")->count(), 9);
    QCOMPARE(field<QComboBox>(&dialog, "cbStakeMode")->currentText(),
             QStringLiteral("Выбрать одну случайную комбинацию"));
    field<QLineEdit>(&dialog, "edFilter1")->setText(QString::fromUtf8(kNumsItem));
    field<QLineEdit>(&dialog, "edFilter3")->setText(item3);
    QCOMPARE(QString::fromStdString(dialog.lineText()),
             QStringLiteral("FULL:0#RAND|TSD1#NUMS:10#LMV:2#ST:3| |BMF2#NUMS:20#LNO#SF| | | | |"));

    // The options fields and the comment take their places in the line.
    field<QComboBox>(&dialog, "cbStartList")->setCurrentIndex(1);
    field<QSpinBox>(&dialog, "edDrawsExclude")->setValue(5);
    field<QComboBox>(&dialog, "cbStakeMode")->setCurrentIndex(3);
    field<QCheckBox>(&dialog, "cbClearStakes")->setChecked(true);
    field<QCheckBox>(&dialog, "cbNewOnly")->setChecked(true);
    QTest::keyClicks(field<QLineEdit>(&dialog, "edComment"), QStringLiteral("a|b"));
    const std::string text = dialog.lineText();
    QCOMPARE(QString::fromStdString(text),
             QStringLiteral("EXCL:5#ALL#CLR#NEX|TSD1#NUMS:10#LMV:2#ST:3| |BMF2#NUMS:20#LNO#SF| "
                            "| | | |ab"));

    LineDialog again(p.shell, p.workspace.stats(), p.workspace.statPage(),
                     QStringLiteral("Редактирование строки"), TextToLine(text));
    QCOMPARE(again.windowTitle(), QStringLiteral("Редактирование строки"));
    QCOMPARE(field<QLineEdit>(&again, "edFilter1")->text(), QString::fromUtf8(kNumsItem));
    QCOMPARE(field<QLineEdit>(&again, "edFilter2")->text(), QString());
    QCOMPARE(field<QLineEdit>(&again, "edFilter3")->text(), item3);
    QCOMPARE(field<QLineEdit>(&again, "edComment")->text(), QStringLiteral("ab"));
    QCOMPARE(field<QComboBox>(&again, "cbStartList")->currentIndex(), 1);
    QCOMPARE(field<QSpinBox>(&again, "edDrawsExclude")->value(), 5);
    QCOMPARE(field<QComboBox>(&again, "cbStakeMode")->currentIndex(), 3);
    QVERIFY(field<QCheckBox>(&again, "cbClearStakes")->isChecked());
    QVERIFY(field<QCheckBox>(&again, "cbNewOnly")->isChecked());
    QCOMPARE(again.lineText(), text);
}

void ScenarioTabTest::filterFieldsGoThroughTheFilterDialog() {
    Program& p = start();
    TScriptLine line;
    line.Filters[1] = kNumsItem;
    LineDialog dialog(p.shell, p.workspace.stats(), p.workspace.statPage(), QString(), line);
    dialog.show();

    QString shownLength;
    int shownLevel = -1;
    onNextModal<FilterDialog>([&](FilterDialog* filter) {
        shownLength = field<QLineEdit>(filter, "edDrawsLen")->text();
        shownLevel = field<QComboBox>(filter, "cbLevelMode")->currentIndex();
        field<QLineEdit>(filter, "edDrawsLen")->setText(QStringLiteral("20"));
        clickOk(filter);
    });
    field<QPushButton>(&dialog, "btnFilter2")->click();
    QCOMPARE(shownLength, QStringLiteral("10"));
    QCOMPARE(shownLevel, 1);
    QCOMPARE(field<QLineEdit>(&dialog, "edFilter2")->text(),
             QStringLiteral("TSD1#NUMS:20#LMV:2#ST:3"));

    // A double click on an empty field opens the dialog too; cancelling it
    // leaves the field empty.
    bool opened = false;
    onNextModal<FilterDialog>([&](FilterDialog* filter) {
        opened = true;
        filter->reject();
    });
    QTest::mouseDClick(field<QLineEdit>(&dialog, "edFilter5"), Qt::LeftButton);
    QVERIFY(opened);
    QCOMPARE(field<QLineEdit>(&dialog, "edFilter5")->text(), QString());
    QCOMPARE(field<QLineEdit>(&dialog, "edFilter2")->text(),
             QStringLiteral("TSD1#NUMS:20#LMV:2#ST:3"));
}

void ScenarioTabTest::startUpLoadsTheScenarioAndFilesAreLsc() {
    writeFileAtomic(
        path("Pentad.lss").toStdString(),
        utf8ToCp1251(
            std::string("EXCL:5#ALL#NEX|tsd1#nums:10#lmv:2#st:3| | | | | | |Мой комментарий\r\n"
                        "\r\n") +
            kFirstLine + "\r\n"));
    Program& p = start();
    QTabWidget& tabs = *p.window.rightTabs();
    QCOMPARE(tabs.tabText(tabs.indexOf(p.window.findChild<QWidget*>("tabScenario"))),
             QStringLiteral("Сценарий"));
    QCOMPARE(p.model().rowCount(), 3);
    QCOMPARE(p.model().headerData(0, Qt::Horizontal).toString(), QStringLiteral("Комментарии"));
    QCOMPARE(p.model().headerData(8, Qt::Horizontal).toString(), QStringLiteral("Фильтр 7"));
    QCOMPARE(p.cell(0, 0), QStringLiteral("Мой комментарий"));
    QCOMPARE(p.cell(0, 1), QStringLiteral("Исключить 5 тиражей; Все; Только новые ставки"));
    // The filter column shows the item as the runner reads it.
    QCOMPARE(p.cell(0, 2), QString::fromUtf8(kNumsItem));
    for (int c = 0; c < ScenarioModel::kColumnCount; ++c) {
        QCOMPARE(p.cell(1, c), QString());
    }
    QCOMPARE(p.cell(2, 1), QStringLiteral("Исходный список; Первая; Все создаваемые ставки"));
    QCOMPARE(p.status(0), QStringLiteral("Строк: 3"));

    p.window.savePath = path("copy.lsc");
    p.command("ScriptSave").trigger();
    QCOMPARE(p.window.lastFilter, QStringLiteral("Файлы сценариев (*.lsc)"));
    QCOMPARE(p.window.lastSuffix, QStringLiteral("lsc"));
    QVERIFY(QFile::exists(p.window.savePath));

    // Adding a scenario puts a separator before its lines; opening one
    // replaces the list.
    p.window.openPath = p.window.savePath;
    p.command("ScriptLoad").trigger();
    QCOMPARE(p.model().rowCount(), 7);
    QCOMPARE(p.cell(3, 1), QString());
    QCOMPARE(p.cell(4, 0), QStringLiteral("Мой комментарий"));
    p.command("ScriptOpen").trigger();
    QCOMPARE(p.window.lastSuffix, QStringLiteral("lsc"));
    QCOMPARE(p.model().rowCount(), 3);
    QCOMPARE(p.status(0), QStringLiteral("Строк: 3"));
}

void ScenarioTabTest::lineCommandsKeepListAndFileInStep() {
    Program& p = start();
    QVERIFY(!p.command("ScriptSave").isEnabled());
    QVERIFY(!p.command("ScriptEmpty").isEnabled());
    QVERIFY(!p.command("ScriptRun").isEnabled());

    // A new line starts from the draws to exclude of the combinations tab.
    p.window.combsPane()->excludeField()->setValue(4);
    QString title;
    int shownExclude = -1;
    onNextModal<LineDialog>([&](LineDialog* dialog) {
        title = dialog->windowTitle();
        shownExclude = field<QSpinBox>(dialog, "edDrawsExclude")->value();
        field<QComboBox>(dialog, "cbStakeMode")->setCurrentIndex(1);
        field<QLineEdit>(dialog, "edComment")->setText(QStringLiteral("first"));
        clickOk(dialog);
    });
    p.command("ScriptAdd").trigger();
    QCOMPARE(title, QStringLiteral("Создание новой строки"));
    QCOMPARE(shownExclude, 4);
    QCOMPARE(p.model().rowCount(), 1);
    QCOMPARE(p.pane().currentRow(), 0);
    QCOMPARE(p.lssText(), std::string("FULL:4#FIRST| | | | | | | |first\r\n"));

    p.command("ScriptEmpty").trigger();
    QCOMPARE(p.pane().currentRow(), 1);
    // A separator cannot be edited or cloned.
    QVERIFY(!p.command("ScriptEdit").isEnabled());
    QVERIFY(!p.command("ScriptClone").isEnabled());
    QVERIFY(p.command("ScriptUp").isEnabled());
    QVERIFY(!p.command("ScriptDown").isEnabled());
    p.command("ScriptUp").trigger();
    QCOMPARE(p.pane().currentRow(), 0);
    QCOMPARE(p.lssText(), std::string("\r\nFULL:4#FIRST| | | | | | | |first\r\n"));

    // Editing a line: a double click opens the dialog on it.
    p.window.rightTabs()->setCurrentWidget(&p.pane());
    p.pane().selectRow(1);
    onNextModal<LineDialog>([&](LineDialog* dialog) {
        title = dialog->windowTitle();
        QCOMPARE(field<QLineEdit>(dialog, "edComment")->text(), QStringLiteral("first"));
        field<QLineEdit>(dialog, "edComment")->setText(QStringLiteral("edited"));
        clickOk(dialog);
    });
    const QPoint second = p.pane().view()->visualRect(p.model().index(1, 0)).center();
    QTest::mouseClick(p.pane().view()->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(p.pane().view()->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(title, QStringLiteral("Редактирование строки"));
    QCOMPARE(p.model().rowCount(), 2);
    QCOMPARE(p.cell(1, 0), QStringLiteral("edited"));

    // Deleting asks first; No keeps the lines.
    p.pane().view()->selectAll();
    p.command("ScriptDel").trigger();
    QCOMPARE(p.ui.questions.size(), size_t{1});
    QCOMPARE(p.model().rowCount(), 2);
    p.ui.queueAnswer(true);
    p.command("ScriptDel").trigger();
    QCOMPARE(p.model().rowCount(), 0);
    QCOMPARE(p.lssText(), std::string());
    QCOMPARE(p.status(0), QStringLiteral("Строк: 0"));
}

void ScenarioTabTest::forecastStakesWithThePagesLocked() {
    writeFileAtomic(path("Pentad.lss").toStdString(), std::string(kFirstLine) + "\r\n");
    Program& p = start();
    QVERIFY(p.command("ScriptRun").isEnabled());
    QVERIFY(!p.command("ScriptStop").isEnabled());

    bool listsLocked = true;
    bool stopEnabled = false;
    bool runEnabled = true;
    int selectedLine = -1;
    ScenarioRunner& runner = p.workspace.runner();
    auto shown = runner.onStatus;
    runner.onStatus = [&, shown] {
        shown();
        if (runner.running()) {
            listsLocked = listsLocked && !p.window.drawsPane()->isEnabled() &&
                          !p.window.combsPane()->isEnabled() && !p.pane().view()->isEnabled();
            stopEnabled = p.command("ScriptStop").isEnabled();
            runEnabled = p.command("ScriptRun").isEnabled();
            selectedLine = p.pane().currentRow();
        }
    };
    p.command("ScriptRun").trigger();
    QVERIFY(listsLocked);
    QVERIFY(stopEnabled);
    QVERIFY(!runEnabled);
    QCOMPARE(selectedLine, 0);

    const std::vector<TStakeRec> stakes = p.stakes();
    QCOMPARE(stakes.size(), size_t{1});
    QCOMPARE(int{stakes[0].Kind}, int{kStakeScenario});
    QCOMPARE(stakes[0].DrawNumber, 107);
    QCOMPARE(QString::fromStdString(stakes[0].Comment), QStringLiteral("01.000: x @ FULL#FIRST"));
    QCOMPARE(p.status(0), QStringLiteral("Строк: 1"));
    QCOMPARE(p.status(3), QStringLiteral("Ставок: 1"));
    QCOMPARE(p.status(4), QStringLiteral("Сценарий завершен!"));
    QVERIFY(p.window.drawsPane()->isEnabled());
    QVERIFY(p.pane().view()->isEnabled());
    QVERIFY(!p.command("ScriptStop").isEnabled());
    QVERIFY(p.command("ScriptRun").isEnabled());
    // The main status bar counts the new stake.
    QCOMPARE(p.panel(4),
             QStringLiteral("Ставок: %1").arg(p.workspace.stakes().ledger().RecordCount()));
}

void ScenarioTabTest::stopDuringTestKeepsTheOffsetItReached() {
    writeFileAtomic(path("Pentad.lss").toStdString(), std::string(kFirstLine) + "\r\n");
    Program& p = start();
    onNextModal<TestCountDialog>([](TestCountDialog* dialog) {
        field<QSpinBox>(dialog, "edTestCount")->setValue(4);
        clickOk(dialog);
    });
    ScenarioRunner& runner = p.workspace.runner();
    auto shown = runner.onStatus;
    bool asked = false;
    runner.onStatus = [&, shown] {
        shown();
        if (runner.running() && runner.status().cycle == 2 && !asked) {
            asked = true;
            p.ui.queueAnswer(true);
            p.command("ScriptStop").trigger();
        }
    };
    p.command("ScriptTest").trigger();
    QVERIFY(asked);
    QCOMPARE(p.ui.questions.size(), size_t{1});
    QCOMPARE(QString::fromStdString(p.ui.questions[0].text),
             QStringLiteral("Остановить выполнение сценария?"));
    QVERIFY(!runner.running());
    // Tests run at offsets 4, 3, ...: the stop came in the pass at offset 3,
    // after the pass at offset 4 had staked on draw 103.
    QCOMPARE(p.workspace.offset(), 3);
    const std::vector<TStakeRec> stakes = p.stakes();
    QCOMPARE(stakes.size(), size_t{1});
    QCOMPARE(stakes[0].DrawNumber, 103);
    QVERIFY(p.status(4) != QStringLiteral("Сценарий завершен!"));
    QCOMPARE(p.status(1), QStringLiteral("Цикл: 0"));
    QVERIFY(p.window.statPane()->isEnabled());
    QVERIFY(!p.command("ScriptStop").isEnabled());
}

int runScenarioTabTests(int argc, char** argv) {
    ScenarioTabTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "scenario_tab_test.moc"
