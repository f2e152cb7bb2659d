// SPDX-License-Identifier: GPL-3.0-or-later
// The stake pages of the main window on a folder written by the test: a
// stake made by hand is scored at once, the ratings follow the efficiency
// mode and the header clicks, the keys shared with window-wide commands go
// to the focused list, regular stakes are tested over past draws, the graphs
// open their windows, the configuration dialog reaches the workspace, and a
// second copy of the program in the same folder ends.
#include <memory>

#include <QAction>
#include <QBrush>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QtCharts/QAbstractSeries>
#include <QtCharts/QChart>

#include "archive_bytes.h"
#include "charts/graph_window.h"
#include "combs_pane.h"
#include "dialogs/config_dialog.h"
#include "dialogs/multi_stake_dialog.h"
#include "dialogs/rule_dialog.h"
#include "dialogs/stake_dialog.h"
#include "dialogs/test_count_dialog.h"
#include "gui_tests.h"
#include "modal_script.h"
#include "models/ratings_model.h"
#include "models/stakes_model.h"
#include "models/tables_model.h"
#include "ratings_pane.h"
#include "stakes_pane.h"
#include "tables_pane.h"
#include "test_program.h"

namespace pentad::test {
namespace {

const std::vector<RawDraw> kDraws = {
    {101, {1, 1, 1, 1, 1}, "01/01/2024 M"},
    {102, {5, 2, 3, 9, 1}, "01/01/2024 E"},
    {103, {0, 5, 9, 2, 1}, "01/02/2024 M"},
};

struct RawRating {
    std::string comment;  // ASCII
    int stakes = 0;
    int matched = 0;
    std::array<int, 6> counts{};
    long long profit = 0;  // x 10000
};

void putInt(QByteArray& bytes, int at, long long value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// "Pentad.lrt": 296 bytes a row (comment with its length byte, stakes,
// matched, six match counts, profit).
void writeRatingsFile(const QString& path, const std::vector<RawRating>& rows) {
    QByteArray bytes;
    for (const RawRating& r : rows) {
        QByteArray row(296, '\0');
        row[0] = static_cast<char>(r.comment.size());
        for (size_t i = 0; i < r.comment.size(); ++i) {
            row[static_cast<int>(1 + i)] = r.comment[i];
        }
        putInt(row, 256, r.stakes, 4);
        putInt(row, 260, r.matched, 4);
        for (int m = 0; m < 6; ++m) {
            putInt(row, 264 + 4 * m, r.counts[static_cast<size_t>(m)], 4);
        }
        putInt(row, 288, r.profit, 8);
        bytes += row;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString plainDecimals(QString text) {
    return text.replace(QLocale().decimalPoint(), QStringLiteral("."));
}

struct Program : TestProgram {
    using TestProgram::TestProgram;

    StakesModel& ledger() { return *window.stakesPane()->model(); }
    RatingsModel& ratings() { return *window.ratingsPane()->model(); }
    TablesModel& rules() { return *window.tablesPane()->model(); }
    QTableView& combsList() { return *window.combsPane()->view(); }
    QVariant stakeCell(int row, int column, int role = Qt::DisplayRole) {
        return ledger().data(ledger().index(row, column), role);
    }
    QString ratingCell(int row, int column) {
        return plainDecimals(ratings().data(ratings().index(row, column)).toString());
    }
    static void select(QTableView& view, std::initializer_list<int> rows) {
        view.clearSelection();
        for (int r : rows) {
            view.selectionModel()->select(view.model()->index(r, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    void pressKey(QWidget* widget, QKeyCombination key) {
        // The list's page comes to the front, as a user would bring it.
        for (QTabWidget* tabs : {window.leftTabs(), window.rightTabs()}) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->widget(i)->isAncestorOf(widget)) {
                    tabs->setCurrentIndex(i);
                }
            }
        }
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        widget->setFocus();
        QTest::keyClick(widget, key.key(), key.keyboardModifiers());
    }
    int records() { return workspace.stakes().ledger().RecordCount(); }
};

// Confirms the manual stake dialog with the given draw, digits and draws.
void answerStakeDialog(int draw, const QString& digits, int draws, QString* shown = nullptr) {
    onNextModal<StakeDialog>([=](StakeDialog* dialog) {
        if (shown != nullptr) {
            *shown = dialog->findChild<QLineEdit*>(QStringLiteral("edDigits"))->text();
        }
        dialog->findChild<QSpinBox*>(QStringLiteral("edDrawNumber"))->setValue(draw);
        dialog->findChild<QLineEdit*>(QStringLiteral("edDigits"))->setText(digits);
        dialog->findChild<QSpinBox*>(QStringLiteral("edDraws"))->setValue(draws);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
}

void clickOk(QDialog* dialog) {
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

}  // namespace

class StakesTabTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void manualStakeForAnArchivedDrawIsScoredAtOnce();
    void ratingsFollowTheEfficiencyModeAndHeaderClicks();
    void sharedKeysGoToTheFocusedList();
    void regularStakesAreTestedOverPastDraws();
    void graphsOpenWindowsOrExplainWhyNot();
    void configurationDialogReachesTheWorkspace();
    void secondCopyInTheSameFolderEnds();

private:
    QString path(const char* name) const { return m_fixture.path(name); }
    Program& start() { return m_fixture.start(); }

    ProgramFixture<Program> m_fixture;
};

void StakesTabTest::init() {
    QVERIFY(m_fixture.setUp(kDraws));
}

void StakesTabTest::cleanup() {
    m_fixture.tearDown();
}

void StakesTabTest::manualStakeForAnArchivedDrawIsScoredAtOnce() {
    Program& p = start();
    QCOMPARE(p.ledger().rowCount(), 1);  // an empty ledger shows one empty row
    QCOMPARE(p.panel(4), QStringLiteral("Ставок: 0"));
    QVERIFY(QFile::exists(path("Pentad.lsk")));

    // The dialog starts from the focused combination and the next draw.
    p.combsList().setCurrentIndex(p.combsList().model()->index(12345, 0));
    QString shown;
    answerStakeDialog(102, QStringLiteral("1;2;3;4;5"), 1, &shown);
    p.command("StakeAdd").trigger();
    QCOMPARE(shown, QStringLiteral("1;2;3;4;5"));

    QCOMPARE(p.records(), 1);
    QCOMPARE(p.stakeCell(0, 0).toString(), QStringLiteral("102"));
    QCOMPARE(p.stakeCell(0, 1).toString(), QStringLiteral("Вручную"));
    QCOMPARE(p.stakeCell(0, 4).toString(), QStringLiteral("5;2;3;9;1"));
    QCOMPARE(p.stakeCell(0, 5).toString(), QStringLiteral("2"));
    QCOMPARE(p.stakeCell(0, 6).toString(), QStringLiteral("2 3"));
    QCOMPARE(p.stakeCell(0, 8).toString(), QStringLiteral("Ставка \"вручную\""));
    // Positions 2 and 3 match: those digits are drawn bold blue.
    QCOMPARE(p.stakeCell(0, 2, StakesModel::MatchMaskRole).toInt(), 0b00110);
    QCOMPARE(p.stakeCell(0, 0, Qt::BackgroundRole).value<QBrush>().color(), QColor(0xEAFFEA));
    // No prize table: the result is 0, not a win.
    QCOMPARE(p.stakeCell(0, 7, Qt::ForegroundRole).value<QBrush>().color(), QColor(0xD00000));
    QCOMPARE(p.panel(4), QStringLiteral("Ставок: 1"));
    QCOMPARE(p.panel(5), QStringLiteral("Рейтинг: 1"));
    QCOMPARE(p.ratingCell(0, 1), QStringLiteral("1"));

    // Two draws from 103: stake, separator, stake; the draw 104 is not known.
    answerStakeDialog(103, QStringLiteral("0;5;0;0;0"), 2);
    p.command("StakeAdd").trigger();
    QCOMPARE(p.records(), 5);
    QCOMPARE(p.panel(4), QStringLiteral("Ставок: 5"));
    QCOMPARE(p.stakeCell(1, 0).toString(), QString());
    QCOMPARE(p.stakeCell(2, 6).toString(), QStringLiteral("0 5"));
    QCOMPARE(p.stakeCell(4, 0).toString(), QStringLiteral("104"));
    QCOMPARE(p.stakeCell(4, 4).toString(), QString());
    QVERIFY(!p.stakeCell(4, 2, StakesModel::MatchMaskRole).isValid());
    QCOMPARE(p.ratingCell(0, 1), QStringLiteral("2"));
}

void StakesTabTest::ratingsFollowTheEfficiencyModeAndHeaderClicks() {
    writeRatingsFile(path("Pentad.lrt"), {{"Ten stakes", 10, 4, {6, 4, 0, 0, 0, 0}, -100000},
                                          {"Three stakes", 3, 3, {1, 1, 0, 1, 0, 0}, 0}});
    Program& p = start();
    QCOMPARE(p.panel(5), QStringLiteral("Рейтинг: 2"));
    // Loaded in the saved order: "Среднее" descending puts 1.000 first.
    QCOMPARE(p.ratingCell(0, 0), QStringLiteral("Three stakes"));
    QCOMPARE(p.ratingCell(1, 3), QStringLiteral("0.400"));
    QCOMPARE(p.ratingCell(1, 5), QStringLiteral("-1.00"));
    QCOMPARE(p.ratingCell(1, 12), QStringLiteral("0.951%"));
    QVERIFY(p.command("RatingsEffMode1").isChecked());

    p.command("RatingsEffMode2").trigger();
    QCOMPARE(p.ratingCell(1, 13), QStringLiteral("121.933%"));
    QVERIFY(!p.command("RatingsEffMode1").isChecked());
    p.command("RatingsEffMode0").trigger();
    QCOMPARE(p.ratingCell(1, 12), QStringLiteral("6"));
    QCOMPARE(p.workspace.form().RatingsEffMode, 0);
    IniFile frm(path("Pentad.frm").toStdString());
    QCOMPARE(frm.readInt("TFormMain", "RatingsEffMode", -1), 0LL);

    // A header click sorts by "Ставок" and rewrites the file in that order.
    QTableView& list = *p.window.ratingsPane()->view();
    list.sortByColumn(1, Qt::DescendingOrder);
    QCOMPARE(p.ratingCell(0, 0), QStringLiteral("Ten stakes"));
    QCOMPARE(p.workspace.stakes().ratingsSortColumn, 1);
    QFile file(path("Pentad.lrt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(11), QByteArray("\x0aTen stakes"));

    // The export goes through the save dialog, in the order shown.
    p.window.savePath = path("ratings.csv");
    p.command("RatingsExport").trigger();
    QCOMPARE(p.window.lastFilter, QStringLiteral("CSV-файлы (*.csv)"));
    QCOMPARE(p.window.lastSuffix, QStringLiteral("csv"));
    QFile csv(path("ratings.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    csv.readLine();
    QVERIFY(csv.readLine().startsWith("\"Ten stakes\";10;4;0.400;"));
}

void StakesTabTest::sharedKeysGoToTheFocusedList() {
    Program& p = start();
    // Alt+F4 in the combination list stakes the selection and keeps the
    // window open.
    Program::select(p.combsList(), {0, 1, 2});
    bool asked = false;
    onNextModal<MultiStakeDialog>([&](MultiStakeDialog* dialog) {
        asked = true;
        auto* comment = dialog->findChild<QLineEdit*>(QStringLiteral("edComment"));
        QCOMPARE(comment->text(), QStringLiteral("Ставка \"вручную\""));
        QCOMPARE(dialog->findChild<QSpinBox*>(QStringLiteral("edDrawNumber"))->value(), 104);
        comment->clear();
        clickOk(dialog);
        QVERIFY(dialog->isVisible());
        comment->setText(QStringLiteral("Тройка"));
        clickOk(dialog);
    });
    p.pressKey(&p.combsList(), Qt::ALT | Qt::Key_F4);
    QVERIFY(asked);
    QVERIFY(p.window.isVisible());
    QCOMPARE(QString::fromStdString(p.ui.messages.at(0).text),
             QStringLiteral("Необходимо ввести комментарий!"));
    QCOMPARE(p.records(), 3);
    QCOMPARE(p.stakeCell(2, 8).toString(), QStringLiteral("Тройка"));
    QVERIFY(!p.combsList().selectionModel()->hasSelection());

    // Ctrl+Del in the ledger deletes the selected stakes, after the question.
    QTableView& ledger = *p.window.stakesPane()->view();
    Program::select(ledger, {0, 1});
    p.ui.queueAnswer(true);
    p.pressKey(&ledger, Qt::CTRL | Qt::Key_Delete);
    QCOMPARE(p.ui.questions.size(), size_t{1});
    QCOMPARE(p.records(), 1);
    QCOMPARE(p.stakeCell(0, 2).toString(), QStringLiteral("0;0;0;0;2"));
    QCOMPARE(p.workspace.combs().CombsCount(), 100000);

    // Elsewhere Ctrl+Del is still the combination list's own command.
    Program::select(p.combsList(), {5});
    p.pressKey(&p.combsList(), Qt::CTRL | Qt::Key_Delete);
    QCOMPARE(p.workspace.combs().CombsCount(), 99999);
    QCOMPARE(p.records(), 1);
}

void StakesTabTest::regularStakesAreTestedOverPastDraws() {
    Program& p = start();
    QAction& add = p.command("TablesAdd");
    QVERIFY(add.isEnabled());
    Program::select(p.combsList(), {12345});
    onNextModal<RuleDialog>([](RuleDialog* dialog) {
        QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("edStart"))->text(),
                 QStringLiteral("1;2;3;4;5"));
        dialog->findChild<QSpinBox*>(QStringLiteral("edStep"))->setValue(3);
        clickOk(dialog);
    });
    add.trigger();
    QCOMPARE(p.rules().rowCount(), 1);
    QVERIFY(QFile::exists(path("Pentad.ltb")));

    QTableView& list = *p.window.tablesPane()->view();
    Program::select(list, {0});
    QVERIFY(p.command("TablesStakeTest").isEnabled());
    onNextModal<TestCountDialog>([](TestCountDialog* dialog) {
        auto* count = dialog->findChild<QSpinBox*>(QStringLiteral("edTestCount"));
        QCOMPARE(count->maximum(), 2);  // three draws: at most two tests
        QCOMPARE(count->value(), 2);
        clickOk(dialog);
    });
    p.command("TablesStakeTest").trigger();
    // Offsets 2 and 1 make stakes for draws 102 and 103, scored at once.
    QCOMPARE(p.records(), 2);
    QCOMPARE(p.stakeCell(0, 0).toString(), QStringLiteral("102"));
    QCOMPARE(p.stakeCell(0, 2).toString(), QStringLiteral("4;5;6;7;8"));
    QCOMPARE(p.stakeCell(1, 2).toString(), QStringLiteral("7;8;9;0;1"));
    QCOMPARE(p.stakeCell(1, 1).toString(), QStringLiteral("Регуляр"));
    QCOMPARE(p.stakeCell(0, 5).toString(), QStringLiteral("0"));
    QCOMPARE(p.stakeCell(1, 5).toString(), QStringLiteral("2"));
    QCOMPARE(p.workspace.offset(), 0);
    QCOMPARE(p.rules().data(p.rules().index(0, 4)).toString(), QStringLiteral("2"));

    // Hiding the page empties the list and disables its commands; showing
    // it reads the rules back.
    p.command("TabTables").trigger();
    QCOMPARE(p.rules().rowCount(), 0);
    QVERIFY(!add.isEnabled());
    QVERIFY(
        !p.window.rightTabs()->isTabVisible(p.window.rightTabs()->indexOf(p.window.tablesPane())));
    p.command("TabTables").trigger();
    QCOMPARE(p.rules().rowCount(), 1);
    QCOMPARE(p.rules().data(p.rules().index(0, 3)).toString(), QStringLiteral("7;8;9;0;1"));
}

void StakesTabTest::graphsOpenWindowsOrExplainWhyNot() {
    writeRatingsFile(path("Pentad.lrt"), {{"Ten stakes", 10, 4, {6, 4, 0, 0, 0, 0}, 0}});
    Program& p = start();
    QAction& counts = p.command("RatingsGraphOverlap");
    QVERIFY(!counts.isEnabled());
    Program::select(*p.window.ratingsPane()->view(), {0});
    {
        // The rating graphs do not wait for a running operation.
        BusyScope busy(p.shell);
        p.window.updateActions();
        QVERIFY(counts.isEnabled());
        QVERIFY(!p.command("RatingsRefresh").isEnabled());
        counts.trigger();
    }
    auto windows = p.window.findChildren<GraphWindow*>();
    QCOMPARE(windows.size(), 1);
    QStringList names;
    for (QAbstractSeries* s : windows[0]->chart()->series()) {
        names << s->name();
    }
    QCOMPARE(names, (QStringList{"Нормальные значения", "Ten stakes"}));
    QCOMPARE(windows[0]->windowTitle(), QStringLiteral("Количество совпадений"));
    windows[0]->close();

    // Stakes of one draw cannot make a graph by draws.
    answerStakeDialog(103, QStringLiteral("1;2;3;4;5"), 1);
    p.command("StakeAdd").trigger();
    Program::select(*p.window.ratingsPane()->view(), {0});
    QVERIFY(p.command("StakesGraphOverlap").isEnabled());
    p.command("StakesGraphOverlap").trigger();
    QCOMPARE(QString::fromStdString(p.ui.messages.back().text),
             QStringLiteral("Для построения графиков необходимо, чтобы в выделенном диапазоне "
                            "данных было более одного тиража!"));
    QCOMPARE(p.window.findChildren<GraphWindow*>().size(), qsizetype{0});
    p.command("StakesGraphDraws").trigger();
    windows = p.window.findChildren<GraphWindow*>();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows[0]->chart()->series().size(), 3);
}

void StakesTabTest::configurationDialogReachesTheWorkspace() {
    Program& p = start();
    const TConfigData before = p.workspace.config();
    onNextModal<ConfigDialog>([](ConfigDialog* dialog) {
        auto* prizes = dialog->findChild<QTableWidget*>(QStringLiteral("lvProfits"));
        prizes->item(5, 1)->setText(QStringLiteral("1000"));
        clickOk(dialog);
    });
    p.command("EditConfig").trigger();
    const TConfigData& after = p.workspace.config();
    QCOMPARE(after.Profits.size(), size_t{6});
    QCOMPARE(after.Profits[5].Profit, int64_t{10000000});
    QVERIFY(Workspace::changedGroups(before, after).none());
    IniFile ini(path("Pentad.ini").toStdString());
    QCOMPARE(ini.readInt("STAKES", "Profits", 0), 6LL);

    // A stake scored after the change wins the new prize.
    answerStakeDialog(103, QStringLiteral("0;5;9;2;1"), 1);
    p.command("StakeAdd").trigger();
    QCOMPARE(plainDecimals(p.stakeCell(0, 7).toString()), QStringLiteral("1000.00"));
    QCOMPARE(p.stakeCell(0, 7, Qt::ForegroundRole).value<QBrush>().color(), QColor(0x008000));
}

void StakesTabTest::secondCopyInTheSameFolderEnds() {
    Program& first = start();
    {
        Program second(m_fixture.folder());
        QCOMPARE(second.ui.messages.size(), size_t{1});
        QVERIFY(QString::fromStdString(second.ui.messages[0].text)
                    .startsWith(QStringLiteral("Невозможно получить монопольный доступ")));
        QTRY_VERIFY(!second.window.isVisible());
        // The refused copy loaded nothing.
        QCOMPARE(second.workspace.archive().count(), 0);
    }
    QVERIFY(first.workspace.stakes().ledger().isOpen());
    answerStakeDialog(102, QStringLiteral("5;2;3;9;1"), 1);
    first.command("StakeAdd").trigger();
    QCOMPARE(first.records(), 1);
    QCOMPARE(first.stakeCell(0, 5).toString(), QStringLiteral("5"));
}

int runStakesTabTests(int argc, char** argv) {
    StakesTabTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "stakes_tab_test.moc"
