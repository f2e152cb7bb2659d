// SPDX-License-Identifier: GPL-3.0-or-later
// Details a new user meets first: keys typed into the offset field and the
// Stop key during a run reach what they name, the digit grid has a column per
// position, and numbers are never cut short (status panels at the narrowest
// window, list columns, chart labels); the first start uses most of the
// screen.
#include <memory>

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "archive_bytes.h"
#include "charts/stat_chart_view.h"
#include "column_fit.h"
#include "dialogs/draw_info_dialog.h"
#include "dialogs/test_count_dialog.h"
#include "draws_pane.h"
#include "gui_tests.h"
#include "modal_script.h"
#include "models/stat_model.h"
#include "scenario_pane.h"
#include "shell/file_io.h"
#include "shell/ini_file.h"
#include "stat_pane.h"
#include "test_program.h"
#include "window_placement.h"

namespace pentad::test {
namespace {

// 150 draws with varied digits, numbered from 100001001: numbers longer than
// the draw list's column is designed for.
constexpr int kFirstNumber = 100001001;

std::vector<RawDraw> manyDraws() {
    std::vector<RawDraw> draws;
    for (int i = 0; i < 150; ++i) {
        RawDraw d;
        d.number = kFirstNumber + i;
        for (int p = 0; p < 5; ++p) {
            d.digits[static_cast<size_t>(p)] = (i * (p + 3) + p * 7 + i / 7) % 10;
        }
        d.date = "01/01/2024 M";
        draws.push_back(d);
    }
    return draws;
}

// A key typed as a user types it: into whatever has the keyboard focus.
void typeKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        target = QApplication::activeWindow();
    }
    QVERIFY(target != nullptr);
    QTest::keyClick(target, key, modifiers);
}

void typeDigits(const QString& digits) {
    for (QChar c : digits) {
        typeKey(static_cast<Qt::Key>(Qt::Key_0 + c.digitValue()));
    }
}

bool activate(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Width a text needs inside a widget of `metrics`.
int textWidth(const QFontMetrics& metrics, const QString& text) {
    return metrics.horizontalAdvance(text);
}

}  // namespace

class DesktopDetailsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void offsetFieldTakesANumberTypedKeyByKey();
    void stopKeyReachesTheRunningTest();
    void digitGridHasAColumnPerPosition();
    void statusPanelsHoldTheirTextAtTheNarrowestWindow();
    void listColumnsFitTheirTextUnlessTheUserSizedThem();
    void chartLabelsAreWhole();
    void firstStartTakesMostOfTheScreen();

private:
    QString path(const char* name) const { return m_fixture.path(name); }
    TestProgram& start() { return m_fixture.start(); }

    ProgramFixture<TestProgram> m_fixture;
};

void DesktopDetailsTest::init() {
    QVERIFY(m_fixture.setUp(manyDraws()));
}

void DesktopDetailsTest::cleanup() {
    m_fixture.tearDown();
}

void DesktopDetailsTest::offsetFieldTakesANumberTypedKeyByKey() {
    TestProgram& p = start();
    QVERIFY(activate(p.window));
    QSpinBox* offset = p.window.drawsPane()->offsetField();
    offset->setFocus();
    offset->selectAll();
    QVERIFY(offset->hasFocus());

    // Nothing is recomputed while the number is being typed.
    typeDigits(QStringLiteral("120"));
    QCOMPARE(offset->text(), QStringLiteral("120"));
    QCOMPARE(p.workspace.offset(), 0);
    QVERIFY(offset->hasFocus());
    typeKey(Qt::Key_Return);
    QCOMPARE(p.workspace.offset(), 120);
    QCOMPARE(offset->value(), 120);
    QVERIFY(offset->hasFocus());
    QCOMPARE(p.panel(1), QStringLiteral("Следующий тираж: %1").arg(kFirstNumber + 150 - 120));

    // A pause in typing counts as the end of the number.
    offset->selectAll();
    typeDigits(QStringLiteral("45"));
    QCOMPARE(p.workspace.offset(), 120);
    QTRY_COMPARE(p.workspace.offset(), 45);
    QVERIFY(offset->hasFocus());
}

void DesktopDetailsTest::stopKeyReachesTheRunningTest() {
    writeFileAtomic(path("Pentad.lss").toStdString(), "FULL:0#FIRST| | | | | | | |x\r\n");
    TestProgram& p = start();
    QVERIFY(activate(p.window));
    // The keyboard is where the user left it: in the scenario list, which the
    // run locks.
    p.window.rightTabs()->setCurrentWidget(p.window.scenarioPane());
    p.window.scenarioPane()->view()->setFocus();
    QCOMPARE(p.command("ScriptStop").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    ScenarioRunner& runner = p.workspace.runner();
    auto shown = runner.onStatus;

    // Ctrl+X typed in the main window, or in another window of the program
    // (here a window of its own over the main window), stops the test.
    for (bool otherWindow : {false, true}) {
        onNextModal<TestCountDialog>([](TestCountDialog* dialog) {
            dialog->findChild<QSpinBox*>(QStringLiteral("edTestCount"))->setValue(4);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QWidget other(&p.window, Qt::Window);
        bool pressed = false;
        p.ui.questions.clear();
        runner.onStatus = [&, shown] {
            shown();
            if (runner.running() && runner.status().cycle == 2 && !pressed) {
                pressed = true;
                if (otherWindow) {
                    other.show();
                    QVERIFY(activate(other));
                }
                p.ui.queueAnswer(true);
                typeKey(Qt::Key_X, Qt::ControlModifier);
            }
        };
        p.command("ScriptTest").trigger();
        QVERIFY(pressed);
        QCOMPARE(p.ui.questions.size(), size_t{1});
        QCOMPARE(QString::fromStdString(p.ui.questions[0].text),
                 QStringLiteral("Остановить выполнение сценария?"));
        QVERIFY(!runner.running());
        // Stopped in the pass at offset 3.
        QCOMPARE(p.workspace.offset(), 3);
        other.hide();
        QVERIFY(activate(p.window));
    }
    runner.onStatus = shown;
}

void DesktopDetailsTest::digitGridHasAColumnPerPosition() {
    TestProgram& p = start();
    // The newest draw, and the digit of each position in its column.
    const RawDraw newest = manyDraws().back();
    QStringList shown;
    int columns = 0;
    onNextModal<DrawInfoDialog>([&](DrawInfoDialog* dialog) {
        auto* grid = dialog->findChild<QTableWidget*>(QStringLiteral("sgDigits"));
        columns = grid->columnCount();
        for (int c = 0; c < columns; ++c) {
            const int digit = newest.digits[static_cast<size_t>(c)];
            shown << grid->item(digit, c)->text();
        }
        dialog->reject();
    });
    QTableView* list = p.window.drawsPane()->view();
    list->setCurrentIndex(list->model()->index(0, 0));
    p.command("DrawsInfo").trigger();
    QCOMPARE(columns, 5);
    QStringList expected;
    for (int d : newest.digits) {
        expected << QString::number(d);
    }
    QCOMPARE(shown, expected);
}

void DesktopDetailsTest::statusPanelsHoldTheirTextAtTheNarrowestWindow() {
    TestProgram& p = start();
    p.window.resize(1, 1);
    QApplication::processEvents();
    QVERIFY(p.window.width() < 1100);
    QCOMPARE(p.panel(3), QStringLiteral("Комбинаций: 100000"));
    for (int i = 0; i < 6; ++i) {
        QLabel* panel = p.window.statusPanel(i);
        QVERIFY2(panel->contentsRect().width() >=
                     textWidth(panel->fontMetrics(), panel->text()) + 2 * panel->margin(),
                 qPrintable(panel->text()));
    }
}

void DesktopDetailsTest::listColumnsFitTheirTextUnlessTheUserSizedThem() {
    TestProgram& p = start();
    QTableView* table = p.window.statPane()->view();
    QVERIFY(table->model()->rowCount() > 0);
    auto fitsEverywhere = [](QTableView* view) {
        const QFontMetrics metrics(view->font());
        for (int c = 0; c < view->model()->columnCount(); ++c) {
            if (view->isColumnHidden(c)) {
                continue;
            }
            for (int r = 0; r < view->model()->rowCount(); ++r) {
                const QString text = view->model()->index(r, c).data().toString();
                if (view->columnWidth(c) < textWidth(metrics, text)) {
                    qWarning("column %d too narrow for \"%s\"", c, qPrintable(text));
                    return false;
                }
            }
        }
        return true;
    };
    QVERIFY(fitsEverywhere(table));
    QVERIFY(fitsEverywhere(p.window.drawsPane()->view()));

    // A width the user sets survives a refill and the next start; the
    // others are saved at their designed widths and fitted again.
    table->setColumnWidth(1, 33);
    QAction& refresh = p.command("DrawsStatCalc");
    refresh.trigger();
    QCOMPARE(table->columnWidth(1), 33);
    QVERIFY(p.window.close());
    m_fixture.stop();
    TestProgram& next = start();
    QTableView* again = next.window.statPane()->view();
    QCOMPARE(again->columnWidth(1), 33);
    const ColumnFit* fit = ColumnFit::of(*again);
    QVERIFY(fit != nullptr);
    QVERIFY(fit->userSized(1));
    QVERIFY(!fit->userSized(0));
    QVERIFY(!fit->userSized(8));
}

void DesktopDetailsTest::chartLabelsAreWhole() {
    TestProgram& p = start();
    // A narrow window: the chart is about 450 pixels wide.
    p.window.resize(700, 700);
    QApplication::processEvents();
    StatPane* pane = p.window.statPane();
    const int entry = p.workspace.stats().IndexOfCode("SUMS");
    const std::vector<int>& choices = p.workspace.statPage().choices();
    const auto at = std::find(choices.begin(), choices.end(), entry);
    QVERIFY(at != choices.end());
    pane->chooser()->setCurrentIndex(static_cast<int>(at - choices.begin()));
    QTRY_VERIFY(pane->model()->rowCount() > 20);
    QChart* chart = pane->chartView()->chart();
    QTRY_VERIFY(chart->plotArea().width() > 100);
    QApplication::processEvents();

    QStringList below;
    for (QGraphicsItem* item : pane->chartView()->scene()->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (text == nullptr || !text->isVisible() || text->toPlainText().isEmpty()) {
            continue;
        }
        const QString plain = text->toPlainText();
        QVERIFY2(!plain.contains(QStringLiteral("...")) && !plain.contains(QChar(0x2026)),
                 qPrintable(plain));
        if (text->sceneBoundingRect().top() >= chart->plotArea().bottom() &&
            !chart->series().isEmpty() && plain != chart->series().first()->name() &&
            plain != chart->series().last()->name()) {
            below << plain;
        }
    }
    // Some of the sums 0..45 are named under the axis, each whole.
    QVERIFY2(below.size() >= 4, qPrintable(below.join(QLatin1Char(','))));
    for (const QString& label : below) {
        bool number = false;
        const int sum = label.toInt(&number);
        QVERIFY2(number && sum >= 0 && sum <= 45, qPrintable(label));
    }
}

void DesktopDetailsTest::firstStartTakesMostOfTheScreen() {
    QTemporaryDir dir;
    IniFile frm((dir.path() + "/Pentad.frm").toStdString());
    QWidget window;
    QVERIFY(!restoreWindowPlacement(window, frm, "TFormMain", 0.9));
    const QRect available = window.screen()->availableGeometry();
    QVERIFY(window.width() >= available.width() * 85 / 100);
    QVERIFY(window.height() >= available.height() * 85 / 100);
    QVERIFY(available.contains(window.geometry()));

    TestProgram& p = start();
    QVERIFY(p.window.width() >= available.width() * 85 / 100);
    QVERIFY(p.window.height() >= available.height() * 85 / 100);
}

int runDesktopDetailsTests(int argc, char** argv) {
    DesktopDetailsTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "desktop_details_test.moc"
