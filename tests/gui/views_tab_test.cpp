// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis tabs on an archive shaped like the real one (two draws a day):
// each tab fills when brought to front and follows the offset, the card,
// layout and weekday filters cut the combination list, the tabs come and go
// with their switches, and the repeats and sum windows show their data.
#include <random>

#include <QAction>
#include <QApplication>
#include <QBarSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLineSeries>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "card_pane.h"
#include "charts/graph_window.h"
#include "combs_pane.h"
#include "draws_pane.h"
#include "game/date_time.h"
#include "graph_pane.h"
#include "gui_tests.h"
#include "layout_pane.h"
#include "models/card_model.h"
#include "models/combs_model.h"
#include "models/layout_model.h"
#include "models/repeats_model.h"
#include "models/week_model.h"
#include "repeats_window.h"
#include "shell/ini_file.h"
#include "test_program.h"
#include "view_tabs.h"
#include "week_pane.h"

namespace pentad::test {
namespace {

constexpr int kDrawCount = 600;

// Two draws a day from 08/01/2016 with digits of a fixed random sequence.
std::vector<RawDraw> realShapedDraws() {
    std::vector<RawDraw> draws;
    std::mt19937 rng(2016);
    const DateTime first = *encodeDate(2016, 8, 1);
    for (int i = 0; i < kDrawCount; ++i) {
        RawDraw d;
        d.number = 1000 + i;
        for (int& digit : d.digits) {
            digit = static_cast<int>(rng() % 10);
        }
        d.date = DrawDateText(first + i / 2 + (i % 2 != 0 ? kEveningTime : kMiddayTime));
        draws.push_back(d);
    }
    return draws;
}

struct Program : TestProgram {
    using TestProgram::TestProgram;

    ViewTabs& tabs() { return *window.viewTabs(); }
    void bringToFront(QWidget* pane) { window.rightTabs()->setCurrentWidget(pane); }
    int combs() { return window.combsPane()->model()->rowCount(); }
    void selectCell(QTableView& view, int row, int column, bool add = false) {
        view.selectionModel()->select(
            view.model()->index(row, column),
            add ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect);
    }
    void trigger(const char* name) {
        window.updateActions();
        QAction& a = command(name);
        QVERIFY2(a.isEnabled(), name);
        a.trigger();
    }
    // As if typed in the offset field.
    void setOffset(int k) { emit window.drawsPane()->offsetEdited(k); }
    QString lastEntryCaption() {
        return QString::fromStdString(workspace.combs().Entries().back().Caption);
    }
};

int lineCount(QChartView* view) {
    return static_cast<int>(view->chart()->series().size());
}

}  // namespace

class ViewsTabTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void graphTabDrawsTheChosenStatistic();
    void cardShowsEveryDrawAndItsFilterCutsTheList();
    void layoutAndListsFillAndTheLayoutFilters();
    void weekTableChartAndColumnFilter();
    void tabSwitchesHideTabsAndTheirCommands();
    void repeatsAndSumWindowsShowTheirData();
    void lengthsAndHeightsAreKeptAcrossStarts();

private:
    Program& start() { return m_fixture.start(); }

    ProgramFixture<Program> m_fixture;
};

void ViewsTabTest::init() {
    QVERIFY(m_fixture.setUp(realShapedDraws()));
}

void ViewsTabTest::cleanup() {
    m_fixture.tearDown();
}

void ViewsTabTest::graphTabDrawsTheChosenStatistic() {
    Program& p = start();
    GraphPane& pane = *p.tabs().graphPane();
    p.bringToFront(&pane);
    QVERIFY(pane.chooser()->count() > 0);
    const int sums =
        pane.chooser()->findText(QStringLiteral("Сумма тиража: все значения"), Qt::MatchContains);
    QVERIFY(sums >= 0);
    pane.chooser()->setCurrentIndex(sums);
    QCOMPARE(pane.page().graph().points.size(), size_t{100});
    QChart* chart = pane.chartView()->chart();
    QCOMPARE(lineCount(pane.chartView()), 3);
    auto* values = static_cast<QLineSeries*>(chart->series()[0]);
    QCOMPARE(values->count(), 100);
    QCOMPARE(values->at(99).x(), 1000.0 + kDrawCount - 1);
    QCOMPARE(chart->series()[1]->name(), QStringLiteral("Среднее значение"));

    // The window follows the offset and the length field.
    p.setOffset(10);
    QCOMPARE(static_cast<QLineSeries*>(chart->series()[0])->at(99).x(), 1000.0 + kDrawCount - 11);
    pane.lengthField()->setValue(20);
    QTest::keyClick(pane.lengthField(), Qt::Key_Return);
    QCOMPARE(static_cast<QLineSeries*>(chart->series()[0])->count(), 20);
}

void ViewsTabTest::cardShowsEveryDrawAndItsFilterCutsTheList() {
    Program& p = start();
    CardPane& pane = *p.tabs().cardPane();
    p.bringToFront(&pane);
    CardModel& model = *pane.model();
    QCOMPARE(model.rowCount(), kDrawCount);
    QCOMPARE(model.index(0, 0).data().toInt(), 1000 + kDrawCount - 1);
    const TDrawRec& newest = p.workspace.archive().draws().back();
    const int digit = newest.Digits[0];
    QCOMPARE(model.index(0, digit + 1).data().toInt(), digit);
    QVERIFY(model.index(0, digit + 1).data(Qt::BackgroundRole).isValid());

    // The number column is not a digit: no filter from it.
    p.selectCell(*pane.view(), 0, 0);
    p.window.updateActions();
    QVERIFY(!p.command("CardFilter_Include").isEnabled());

    p.selectCell(*pane.view(), 0, digit + 1);
    const int before = p.combs();
    p.trigger("CardFilter_Exclude");
    QCOMPARE(p.combs(), 59049);
    QVERIFY(p.combs() != before);
    QCOMPARE(p.lastEntryCaption(), QStringLiteral("Карта"));
    p.trigger("CombsUndo");
    QCOMPARE(p.combs(), 100000);

    // The colour options repaint the card and are written at once.
    p.trigger("ViewColorCard");
    QVERIFY(!p.workspace.form().ColorCard);
    IniFile frm(p.workspace.filePath("Pentad.frm"));
    QVERIFY(!frm.readBool("TFormMain", "ColorCard", true));

    // An edited draw keeps the number of rows; the card shows it anyway.
    TDrawRec edited = newest;
    edited.Digits = {9, 9, 9, 9, 9};
    QVERIFY(p.workspace.editDraw(0, edited));
    p.setOffset(0);
    QCOMPARE(model.index(0, 10).data().toInt(), 9);
    QVERIFY(!model.index(0, digit + 1).data().isValid() || digit == 9);

    p.trigger("CardXlsExport");
    QCOMPARE(p.window.openedDocuments.size(), qsizetype{1});
    QFile sheet(p.window.openedDocuments[0]);
    QVERIFY(sheet.fileName().endsWith(QStringLiteral(".xlsx")));
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    QCOMPARE(sheet.read(2), QByteArray("PK"));  // a workbook is a zip archive
    sheet.remove();
}

void ViewsTabTest::layoutAndListsFillAndTheLayoutFilters() {
    Program& p = start();
    LayoutPane& pane = *p.tabs().layoutPane();
    p.bringToFront(&pane);
    LayoutModel& model = *pane.model();
    QVERIFY(model.rowCount() > 1);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toInt(), 1000 + kDrawCount - 1);
    int digits = 0;
    for (int r = 0; r < model.rowCount(); ++r) {
        for (int c = 0; c < model.columnCount(); ++c) {
            const QString text = model.index(r, c).data().toString();
            digits += text.isEmpty() ? 0 : static_cast<int>(text.split(QLatin1Char(',')).size());
        }
    }
    QCOMPARE(digits, 10);
    for (int i = 0; i < kCompareLists; ++i) {
        QVERIFY(pane.compareModel(i)->rowCount() > 0);
    }
    QCOMPARE(pane.compareModel(0)->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("%1 - %2").arg(1000 + kDrawCount - 50).arg(1000 + kDrawCount - 1));

    // With an offset the first hidden draw's digits are bracketed.
    p.setOffset(1);
    bool bracketed = false;
    for (int r = 0; r < model.rowCount(); ++r) {
        for (int c = 0; c < model.columnCount(); ++c) {
            bracketed |= model.index(r, c).data().toString().contains(QLatin1Char('['));
        }
    }
    QVERIFY(bracketed);

    // The top-left cell keeps the combinations holding one of its digits.
    p.selectCell(*pane.view(), 0, 0);
    p.trigger("LayoutFilter_Include");
    QVERIFY(p.combs() < 100000);
    QVERIFY(p.combs() > 0);
    QCOMPARE(p.lastEntryCaption(), QStringLiteral("Схема"));

    // A comparison length applies on Enter and leaves the layout alone.
    pane.compareField(0)->setValue(1);
    QTest::keyClick(pane.compareField(0), Qt::Key_Return);
    QCOMPARE(pane.compareModel(0)->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("%1 - %1").arg(1000 + kDrawCount - 2));
}

void ViewsTabTest::weekTableChartAndColumnFilter() {
    Program& p = start();
    WeekPane& pane = *p.tabs().weekPane();
    p.bringToFront(&pane);
    WeekModel& model = *pane.model();
    int total = 0;
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 10; ++c) {
            total += model.index(r, c).data().toInt();
        }
    }
    QCOMPARE(total, 5 * kDrawCount);  // the window of 1000 covers every draw
    QCOMPARE(model.headerData(0, Qt::Vertical).toString(), QStringLiteral("Пн"));
    QVERIFY(qobject_cast<QBarSeries*>(pane.chartView()->chart()->series().value(0)) != nullptr);
    p.trigger("ViewWeekChartType");
    QVERIFY(qobject_cast<QLineSeries*>(pane.chartView()->chart()->series().value(0)) != nullptr);
    QCOMPARE(static_cast<QLineSeries*>(pane.chartView()->chart()->series()[0])->count(), 10);
    p.trigger("ViewWeekChartMode");
    QCOMPARE(static_cast<QLineSeries*>(pane.chartView()->chart()->series()[0])->count(), 7);

    pane.lengthField()->setValue(14);
    QTest::keyClick(pane.lengthField(), Qt::Key_Return);
    total = 0;
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 10; ++c) {
            total += model.index(r, c).data().toInt();
        }
    }
    QCOMPARE(total, 5 * 14);

    p.selectCell(*pane.view(), 2, 3);
    p.trigger("WeekFilter_Include");
    QCOMPARE(p.combs(), 100000 - 59049);
    QCOMPARE(p.lastEntryCaption(), QStringLiteral("Неделя"));
}

void ViewsTabTest::tabSwitchesHideTabsAndTheirCommands() {
    Program& p = start();
    QTabWidget& tabs = *p.window.rightTabs();
    CardPane* card = p.tabs().cardPane();
    QCOMPARE(tabs.tabText(1), QStringLiteral("Графики"));
    QCOMPARE(tabs.tabText(2), QStringLiteral("Карта"));
    QCOMPARE(tabs.tabText(3), QStringLiteral("Схема"));
    QCOMPARE(tabs.tabText(4), QStringLiteral("Неделя"));
    p.bringToFront(card);
    p.selectCell(*card->view(), 0, 1);
    p.trigger("TabCard");
    QVERIFY(!tabs.isTabVisible(tabs.indexOf(card)));
    p.window.updateActions();
    QVERIFY(!p.command("ViewColorCard").isEnabled());
    QVERIFY(!p.command("CardFilter_Include").isEnabled());
    IniFile frm(p.workspace.filePath("Pentad.frm"));
    QVERIFY(!frm.readBool("TFormMain", "TabCard", true));

    p.trigger("TabCard");
    QVERIFY(tabs.isTabVisible(tabs.indexOf(card)));
    QCOMPARE(tabs.currentWidget(), card);
    QCOMPARE(card->model()->rowCount(), kDrawCount);
}

void ViewsTabTest::repeatsAndSumWindowsShowTheirData() {
    Program& p = start();
    p.trigger("AnalyzeRepeats");
    RepeatsWindow* repeats = p.tabs().repeatsWindow();
    QVERIFY(repeats != nullptr);
    QVERIFY(repeats->isVisible());
    QVERIFY(repeats->model()->rowCount() > 0);
    QCOMPARE(repeats->model()->index(0, 0).data().toInt(), 1000 + kDrawCount - 1);
    QVERIFY(lineCount(repeats->chartView()) >= 2);
    QVERIFY(p.ui.messages.empty());
    repeats->lengthField()->setValue(3);
    QTest::keyClick(repeats->lengthField(), Qt::Key_Return);
    QVERIFY(repeats->model()->index(repeats->model()->rowCount() - 1, 0).data().toInt() >=
            1000 + kDrawCount - 3);
    repeats->close();
    IniFile frm(p.workspace.filePath("Pentad.frm"));
    QCOMPARE(frm.readInt("TFormAnalyzeRepeats", "DrawsLength", 0), 3);

    p.trigger("TotalSumCombs");
    GraphWindow* sums = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QStringLiteral("TotalSumCombsWindow") && w->isVisible()) {
            sums = static_cast<GraphWindow*>(w);
        }
    }
    QVERIFY(sums != nullptr);
    QVERIFY(sums->isModal());
    QCOMPARE(sums->chart()->series().size(), qsizetype{5});
    QCOMPARE(sums->chart()->series()[2]->name(),
             QStringLiteral("Диапазон 1 (от 1/3 и выше по оси Y) - суммы 13-32"));
    sums->close();
}

void ViewsTabTest::lengthsAndHeightsAreKeptAcrossStarts() {
    {
        Program& p = start();
        p.tabs().layoutPane()->lengthField()->setValue(33);
        p.tabs().weekPane()->lengthField()->setValue(44);
        p.tabs().graphPane()->lengthField()->setValue(55);
        p.tabs().layoutPane()->compareField(4)->setValue(66);
        p.window.saveLayout();
    }
    IniFile frm(m_fixture.path("Pentad.frm").toStdString());
    QCOMPARE(frm.readInt("TFormMain", "LayoutLen", 0), 33);
    QCOMPARE(frm.readInt("TFormMain", "WeekLen", 0), 44);
    QCOMPARE(frm.readInt("TFormMain", "DrawsGraphLen", 0), 55);
    QCOMPARE(frm.readInt("TFormMain", "LayoutCompareLen5", 0), 66);
    Program& again = start();
    QCOMPARE(again.tabs().layoutPane()->lengthField()->value(), 33);
    QCOMPARE(again.tabs().weekPane()->page().length, 44);
    QCOMPARE(again.tabs().layoutPane()->page().compareLengths[4], 66);
}

int runViewsTabTests(int argc, char** argv) {
    ViewsTabTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "views_tab_test.moc"
