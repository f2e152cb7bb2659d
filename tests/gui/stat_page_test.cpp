// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics tab on a small archive written by the test: the method
// chooser and the table it computes, the norm columns and the chart with the
// full-set comparison, the keep/delete filters and their F7 / Ctrl+F7 keys,
// the favourites commands and the single filter of the "Фильтр" dialog.
#include <memory>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "archive_bytes.h"
#include "charts/stat_chart_view.h"
#include "combs_pane.h"
#include "dialogs/description_dialog.h"
#include "dialogs/favourites_dialog.h"
#include "dialogs/filter_dialog.h"
#include "dialogs/shredding_dialog.h"
#include "help_browser.h"
#include "gui_tests.h"
#include "modal_script.h"
#include "models/combs_model.h"
#include "models/stat_model.h"
#include "scenario_pane.h"
#include "qt_text.h"
#include "shell/file_io.h"
#include "shell/ini_file.h"
#include "stat_pane.h"
#include "systems_pane.h"
#include "support/xlsx_reader.h"
#include "test_program.h"

namespace pentad::test {
namespace {

// Twelve draws; digit 7 is drawn 9 times, 8 five times, 1 once.
const std::vector<RawDraw> kDraws = {
    {1, {0, 1, 2, 3, 4}, "01/01/2024 M"},  {2, {5, 6, 7, 8, 9}, "01/01/2024 E"},
    {3, {7, 7, 7, 2, 2}, "01/02/2024 M"},  {4, {9, 9, 0, 0, 3}, "01/02/2024 E"},
    {5, {4, 5, 6, 7, 8}, "01/03/2024 M"},  {6, {2, 3, 4, 5, 6}, "01/03/2024 E"},
    {7, {7, 8, 9, 0, 2}, "01/04/2024 M"},  {8, {3, 3, 3, 3, 3}, "01/04/2024 E"},
    {9, {6, 7, 8, 9, 0}, "01/05/2024 M"},  {10, {2, 4, 6, 8, 0}, "01/05/2024 E"},
    {11, {5, 5, 7, 9, 9}, "01/06/2024 M"}, {12, {6, 7, 0, 4, 2}, "01/06/2024 E"},
};

struct Program : TestProgram {
    using TestProgram::TestProgram;

    StatPane& pane() { return *window.statPane(); }
    StatModel& model() { return *pane().model(); }
    QTableView& table() { return *pane().view(); }
    QString cell(int row, int column) {
        return model().data(model().index(row, column)).toString();
    }
    // Display row of the value text, or -1.
    int rowOfValue(const QString& value) {
        for (int r = 0; r < model().rowCount(); ++r) {
            if (cell(r, 0) == value) {
                return r;
            }
        }
        return -1;
    }
    void selectValues(std::initializer_list<const char*> values) {
        table().clearSelection();
        for (const char* v : values) {
            table().selectionModel()->select(
                model().index(rowOfValue(QString::fromUtf8(v)), 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    void choose(const char* code) {
        const int entry = workspace.stats().IndexOfCode(code);
        const std::vector<int>& choices = workspace.statPage().choices();
        const auto at = std::find(choices.begin(), choices.end(), entry);
        pane().chooser()->setCurrentIndex(static_cast<int>(at - choices.begin()));
    }
    int combs() { return window.combsPane()->model()->rowCount(); }
    QStringList seriesNames() {
        QStringList names;
        for (QAbstractSeries* s : pane().chartView()->chart()->series()) {
            names << s->name();
        }
        return names;
    }
};

void pressKey(QWidget* widget, QKeyCombination key) {
    widget->setFocus();
    QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}

}  // namespace

class StatPageTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void computesTheChosenMethodSortedByCountAscending();
    void chooserAndLengthFieldComputeWithoutForce();
    void normColumnsAndIdealLineFollowTheComparison();
    void keepAndDeleteCutTheSetAndUndoRestoresIt();
    void functionKeysInTheTableFilterElsewhereOpenTheManager();
    void filterDialogAppliesOneItem();
    void resetShowsEveryMethodAgainAfterConfirmation();
    void descriptionNeedsAHelpFile();
    void sortAndHeightsAreKeptAcrossStarts();
    void shreddingFormulasRenameAndRecountTheChosenMethod();
    void spreadsheetExportHoldsTheTableAsShown();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Program> m_program;
};

void StatPageTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    writeArchiveFile((m_dir->path() + "/Pentad.ldr").toStdString(), kDraws);
    m_program = std::make_unique<Program>(m_dir->path());
}

void StatPageTest::cleanup() {
    m_program.reset();
    m_dir.reset();
}

void StatPageTest::computesTheChosenMethodSortedByCountAscending() {
    Program& p = *m_program;
    QComboBox* chooser = p.pane().chooser();
    QCOMPARE(chooser->objectName(), QStringLiteral("cbStatMethod"));
    QCOMPARE(chooser->count(), static_cast<int>(p.workspace.statPage().choices().size()));
    QCOMPARE(chooser->currentText(), QStringLiteral("{ num } Числа тиража [ N ]"));

    QCOMPARE(p.model().rowCount(), 10);
    QCOMPARE(p.model().columnCount(), 20);
    QCOMPARE(p.model().headerData(1, Qt::Horizontal).toString(), QStringLiteral("Количество"));
    QCOMPARE(p.model().headerData(19, Qt::Horizontal).toString(), QStringLiteral("+/- КРН"));
    int total = 0;
    for (int r = 0; r < 10; ++r) {
        total += p.cell(r, 1).toInt();
        if (r > 0) {
            QVERIFY2(p.cell(r - 1, 1).toInt() <= p.cell(r, 1).toInt(), qPrintable(p.cell(r, 0)));
        }
    }
    QCOMPARE(total, 60);
    QCOMPARE(p.cell(0, 0), QStringLiteral("1"));
    QCOMPARE(p.cell(0, 1), QStringLiteral("1"));
    QCOMPARE(p.cell(9, 0), QStringLiteral("7"));
    QCOMPARE(p.cell(9, 1), QStringLiteral("9"));
    // Real columns take the locale's separator; counts are plain.
    const QString percent = p.cell(9, 2);
    QCOMPARE(percent, QStringLiteral("15") + QLocale().decimalPoint() + QStringLiteral("00000"));
    const QHeaderView* header = p.table().horizontalHeader();
    QCOMPARE(header->sortIndicatorSection(), 1);
    QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);

    // Without the comparison the chart has the actual counts only.
    QCOMPARE(p.seriesNames(), QStringList{QStringLiteral("Фактические данные")});
    auto* actual = qobject_cast<QLineSeries*>(p.pane().chartView()->chart()->series().first());
    QCOMPARE(actual->count(), 10);

    // A click on a header sorts the page itself.
    p.table().sortByColumn(0, Qt::DescendingOrder);
    QCOMPARE(p.workspace.statPage().sortColumn(), 0);
    QCOMPARE(p.cell(0, 0), QStringLiteral("9"));
}

void StatPageTest::chooserAndLengthFieldComputeWithoutForce() {
    Program& p = *m_program;
    p.choose("EVEN");
    StatPage& page = p.workspace.statPage();
    QCOMPARE(page.selectedEntry(), p.workspace.stats().IndexOfCode("EVEN"));
    QCOMPARE(p.model().rowCount(), page.rowCount());
    QVERIFY(p.rowOfValue(QStringLiteral("3:2")) >= 0);

    p.choose("NUMS");
    QSpinBox* length = p.pane().lengthField();
    QCOMPARE(length->toolTip(),
             QStringLiteral("Количество тиражей, использующихся для расчета статистики"));
    length->setValue(2);
    // Typing alone does not compute; Enter does.
    QCOMPARE(p.cell(9, 1).toInt(), 9);
    pressKey(length, Qt::Key_Return);
    QCOMPARE(page.length(), 2);
    int total = 0;
    for (int r = 0; r < p.model().rowCount(); ++r) {
        total += p.cell(r, 1).toInt();
    }
    QCOMPARE(total, 10);
}

void StatPageTest::normColumnsAndIdealLineFollowTheComparison() {
    Program& p = *m_program;
    for (int c : kNormColumns) {
        QVERIFY(p.table().isColumnHidden(c));
    }
    QAction& compare = p.command("DrawsStatePrefetchsEnabled");
    QAction& ideal = p.command("DrawsStatShowTotalLine");
    QVERIFY(!compare.isChecked());
    QVERIFY(!ideal.isEnabled());

    compare.trigger();
    QVERIFY(compare.isChecked());
    QVERIFY(QFile::exists(m_dir->path() + "/Prefetchs/Pentad_NUMS.dfc"));
    for (int c : kNormColumns) {
        QVERIFY(!p.table().isColumnHidden(c));
        QVERIFY(p.table().columnWidth(c) >= kNormColumnWidth);
    }
    // Every digit is as frequent over the full set: the norm is the mean of
    // the window's extremes, (9 + 1) / 2.
    QCOMPARE(p.cell(0, 3), QStringLiteral("5"));
    QCOMPARE(p.cell(0, 4), QStringLiteral("-4"));
    QCOMPARE(p.seriesNames(), (QStringList{"Фактические данные", "Все возможные комбинации"}));
    IniFile frm((m_dir->path() + "/Pentad.frm").toStdString());
    QCOMPARE(frm.readBool("TFormMain", "PrefetchsEnabled", false), true);

    QVERIFY(ideal.isEnabled());
    QVERIFY(ideal.isChecked());
    ideal.trigger();
    QVERIFY(!ideal.isChecked());
    QCOMPARE(p.seriesNames(), QStringList{QStringLiteral("Фактические данные")});

    compare.trigger();
    QVERIFY(p.table().isColumnHidden(3));
    QCOMPARE(p.cell(0, 3), QStringLiteral("-"));
    QVERIFY(!ideal.isEnabled());
}

void StatPageTest::keepAndDeleteCutTheSetAndUndoRestoresIt() {
    Program& p = *m_program;
    QAction& keep = p.command("StatFilter_Include");
    QAction& undo = p.command("CombsUndo");
    QVERIFY(!keep.isEnabled());
    QVERIFY(!undo.isEnabled());
    p.selectValues({"7", "8"});
    QCOMPARE(p.workspace.statPage().selection().size(), size_t{2});
    QVERIFY(keep.isEnabled());

    keep.trigger();
    QCOMPARE(p.combs(), 67232);
    QCOMPARE(p.panel(3), QStringLiteral("Комбинаций: 67232"));
    AppliedFiltersModel& entries = *p.window.combsPane()->filtersModel();
    QCOMPARE(entries.rowCount(), 1);
    QCOMPARE(entries.data(entries.index(0, 0)).toString(), p.pane().chooser()->currentText());
    QCOMPARE(entries.data(entries.index(0, 2)).toString(), QStringLiteral("67232"));
    // The button under the table mirrors the command.
    QVERIFY(p.window.findChild<QPushButton*>(QStringLiteral("btnStatInclude"))->isEnabled());

    QVERIFY(undo.isEnabled());
    undo.trigger();
    QCOMPARE(p.combs(), 100000);
    QCOMPARE(entries.rowCount(), 0);
    QVERIFY(!undo.isEnabled());

    p.window.findChild<QPushButton*>(QStringLiteral("btnStatExclude"))->click();
    QCOMPARE(p.combs(), 32768);
    QCOMPARE(entries.data(entries.index(0, 2)).toString(), QStringLiteral("32768"));
}

void StatPageTest::functionKeysInTheTableFilterElsewhereOpenTheManager() {
    Program& p = *m_program;
    p.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.window));
    p.selectValues({"7", "8"});
    pressKey(&p.table(), Qt::Key_F7);
    QCOMPARE(p.combs(), 67232);

    // Inside the table Ctrl+F7 deletes: what is left has an 8 and no 7.
    p.selectValues({"7"});
    pressKey(&p.table(), Qt::CTRL | Qt::Key_F7);
    QCOMPARE(p.combs(), 59049 - 32768);

    // Outside the table F7 opens the favourites manager.
    bool opened = false;
    onNextModal<FavouritesDialog>([&](FavouritesDialog* dialog) {
        opened = true;
        dialog->reject();
    });
    pressKey(p.pane().chooser(), Qt::Key_F7);
    QVERIFY(opened);

    // So does F7 in the table while no row is selected.
    opened = false;
    onNextModal<FavouritesDialog>([&](FavouritesDialog* dialog) {
        opened = true;
        dialog->reject();
    });
    p.table().clearSelection();
    pressKey(&p.table(), Qt::Key_F7);
    QVERIFY(opened);
    QCOMPARE(p.combs(), 59049 - 32768);
}

void StatPageTest::filterDialogAppliesOneItem() {
    Program& p = *m_program;
    QAction& dialogCommand = p.command("StatFilter_Dialog");
    QVERIFY(dialogCommand.isEnabled());
    onNextModal<FilterDialog>([](FilterDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("edDrawsLen"))->setText(QStringLiteral("12"));
        dialog->findChild<QCheckBox*>(QStringLiteral("cbMultiSelect"))->setChecked(true);
        dialog->findChild<QRadioButton*>(QStringLiteral("rbKeep"))->setChecked(true);
        dialog->findChild<QComboBox*>(QStringLiteral("cbLevelMode"))->setCurrentIndex(31);
        dialog->findChild<QLineEdit*>(QStringLiteral("edLevelValue"))
            ->setText(QStringLiteral("7,8"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    dialogCommand.trigger();
    QVERIFY(p.ui.messages.empty());
    QCOMPARE(p.combs(), 67232);
    QCOMPARE(p.window.combsPane()->filtersModel()->rowCount(), 1);
    // The page shows the statistic the filter computed, sorted as it walked.
    QCOMPARE(p.workspace.statPage().length(), 12);
    QCOMPARE(p.pane().lengthField()->value(), 12);
    QCOMPARE(p.table().horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);

    // The next dialog starts from the item confirmed last.
    QString shownLevel;
    onNextModal<FilterDialog>([&](FilterDialog* dialog) {
        shownLevel = dialog->findChild<QLineEdit*>(QStringLiteral("edLevelValue"))->text();
        dialog->reject();
    });
    dialogCommand.trigger();
    QCOMPARE(shownLevel, QStringLiteral("7,8"));
    QCOMPARE(p.combs(), 67232);
}

void StatPageTest::resetShowsEveryMethodAgainAfterConfirmation() {
    Program& p = *m_program;
    TStatList& list = p.workspace.stats();
    list.SetFavouritesText("EVEN,SMAL");
    p.workspace.statPage().FillChoosers(false);
    p.command("DrawsStatCalc").trigger();
    QCOMPARE(p.pane().chooser()->count(), 2);

    p.command("FiltersReset").trigger();
    QCOMPARE(QString::fromStdString(p.ui.questions.back().text),
             QStringLiteral("Вы действительно хотите сбросить список избранных фильтров?"));
    QCOMPARE(p.pane().chooser()->count(), 2);

    p.ui.queueAnswer(true);
    p.command("FiltersReset").trigger();
    QVERIFY(list.AllFavourites);
    QCOMPARE(p.pane().chooser()->count(),
             static_cast<int>(p.workspace.statPage().choices().size()));
    QVERIFY(p.pane().chooser()->count() > 2);
    QCOMPARE(p.pane().chooser()->currentIndex(), 0);
    QCOMPARE(p.model().rowCount(), 10);
    IniFile flt((m_dir->path() + "/Pentad.flt").toStdString());
    QVERIFY(flt.hasKey("FILTERS", "Favorites"));
    QCOMPARE(flt.readString("FILTERS", "Favorites", "x"), std::string());
}

void StatPageTest::descriptionNeedsAHelpFile() {
    Program& p = *m_program;
    QAction& info = p.command("FiltersInfo");
    QCOMPARE(info.shortcut(), QKeySequence(Qt::Key_F8));
    QVERIFY(!info.isEnabled());

    p.workspace.stats().HelpFile = (m_dir->path() + "/Kestrel_RUS.chm").toStdString();
    p.window.updateActions();
    QVERIFY(info.isEnabled());
    QString caption;
    QString shown;
    onNextModal<DescriptionDialog>([&](DescriptionDialog* dialog) {
        caption = dialog->windowTitle();
        shown = dialog->browser()->toPlainText();
        dialog->reject();
    });
    info.trigger();
    QCOMPARE(caption, QStringLiteral("Описание методики расчета"));
    QVERIFY2(shown.contains(QStringLiteral("Filters_1049_NUMS.htm")), qPrintable(shown));
}

void StatPageTest::shreddingFormulasRenameAndRecountTheChosenMethod() {
    Program& p = *m_program;
    p.choose("SHR1");
    QCOMPARE(p.pane().chooser()->currentText(),
             QStringLiteral("{ shr } Метод шинковки 1: (n1+n2)/(n3+n4+n5) [ SNG ]"));

    bool warned = false;
    QString warning;
    QString note;
    onNextModal<ShreddingDialog>([&](ShreddingDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Методы шинковки"));
        auto* formula = dialog->findChild<QLineEdit*>(QStringLiteral("edFormula1"));
        auto* digits = dialog->findChild<QSpinBox*>(QStringLiteral("edFormulaDigits1"));
        auto* label = dialog->findChild<QLabel*>(QStringLiteral("lbFormulaWarning1"));
        note = dialog->findChild<QLabel*>(QStringLiteral("lbVariables"))->text();
        QCOMPARE(digits->maximum(), 5);
        // An unreadable formula is pointed out but not refused.
        formula->setText(QStringLiteral("n1+*0.5"));
        warned = !label->isHidden();
        warning = label->text();
        formula->setText(QStringLiteral("n1+0.5"));
        QVERIFY(label->isHidden());
        digits->setValue(1);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    p.command("EditShredding").trigger();
    QVERIFY(warned);
    QCOMPARE(warning, QStringLiteral("Формула 1 не читается с позиции 4, её значение будет 0"));
    QVERIFY(note.startsWith(QStringLiteral("Используемые переменные:\nn1, n2, n3")));

    // The choice stays on the method, now named and counted by the new formula:
    // n1 + 0.5 to one decimal is 5 for every draw.
    QCOMPARE(p.pane().chooser()->currentText(),
             QStringLiteral("{ shr } Метод шинковки 1: n1+0.5 [ SNG ]"));
    QTRY_COMPARE(p.model().rowCount(), 1);
    QCOMPARE(p.cell(0, 0), QStringLiteral("5"));
    IniFile ini((m_dir->path() + "/Pentad.ini").toStdString());
    QCOMPARE(ini.readString("SHREDDING", "Formula1", ""), std::string("n1+0.5"));
    QCOMPARE(ini.readInt("SHREDDING", "Formula1Digits", 0), 1LL);
}

void StatPageTest::spreadsheetExportHoldsTheTableAsShown() {
    Program& p = *m_program;
    QAction& exportTable = p.command("DrawsStatExportToExcel");
    QCOMPARE(exportTable.text(), QStringLiteral("Экспорт статистики в Microsoft Excel"));
    QVERIFY(exportTable.isEnabled());
    p.table().sortByColumn(0, Qt::DescendingOrder);
    exportTable.trigger();
    QCOMPARE(p.window.openedDocuments.size(), 1);
    const QString path = p.window.openedDocuments[0];
    QVERIFY2(QFileInfo(path).fileName().startsWith(QStringLiteral("Статистика ")),
             qPrintable(path));
    QVERIFY(path.endsWith(QStringLiteral(".xlsx")));
    const Workbook book = readWorkbook(readFileBytes(toStdString(path)));
    QFile::remove(path);

    QVERIFY(book.parts.at("xl/workbook.xml").find("name=\"Статистика\"") != std::string::npos);
    // A header row and the ten digits, the first one as sorted on screen.
    QCOMPARE(book.rows.size(), size_t{11});
    QCOMPARE(QString::fromStdString(book.rows[0][0].text), QStringLiteral("Значение"));
    QVERIFY(!book.rows[0][0].number);
    QVERIFY(book.rows[1][0].number);
    QCOMPARE(book.rows[1][0].text, std::string("9"));
    QCOMPARE(book.rows[10][0].text, std::string("0"));
    // Without the comparison its three columns are hidden and not exported.
    const int columns = p.model().columnCount();
    int hidden = 0;
    for (int c = 0; c < columns; ++c) {
        hidden += p.table().isColumnHidden(c) ? 1 : 0;
    }
    QCOMPARE(hidden, 3);
    QCOMPARE(book.rows[0].size(), size_t(columns - hidden));
}

void StatPageTest::sortAndHeightsAreKeptAcrossStarts() {
    Program& p = *m_program;
    p.table().sortByColumn(6, Qt::DescendingOrder);
    p.table().setColumnWidth(0, 131);
    p.pane().lengthField()->setValue(7);
    p.window.scenarioPane()->view()->setColumnWidth(0, 222);
    p.window.systemsPane()->view()->setColumnWidth(1, 77);
    QVERIFY(p.window.close());
    IniFile frm((m_dir->path() + "/Pentad.frm").toStdString());
    QCOMPARE(frm.readString("TFormMain", "lvStat.SortType", ""), std::string("6,1"));
    QCOMPARE(frm.readInt("TFormMain", "lvStat.Column0", 0), 131);
    QCOMPARE(frm.readInt("TFormMain", "lvScript.Column0", 0), 222);
    QCOMPARE(frm.readInt("TFormMain", "lvSystems.Column1", 0), 77);
    QCOMPARE(frm.readInt("TFormMain", "DrawsStatLen", 0), 7);
    // The first start recorded the comparison option it started with.
    QVERIFY(frm.readBool("TFormMain", "PrefetchsInit", false));
    QVERIFY(frm.hasKey("TFormMain", "PrefetchsEnabled"));
    const int chartHeight = static_cast<int>(frm.readInt("TFormMain", "DrawsStatHeight", 0));
    QVERIFY(chartHeight > 0);
    QVERIFY(frm.readInt("TFormMain", "FiltersHeight", 0) > 0);
    m_program.reset();

    Program next(m_dir->path());
    QCOMPARE(next.workspace.statPage().sortColumn(), 6);
    QVERIFY(next.workspace.statPage().sortDescending());
    QCOMPARE(next.table().columnWidth(0), 131);
    QCOMPARE(next.window.scenarioPane()->view()->columnWidth(0), 222);
    QCOMPARE(next.window.systemsPane()->view()->columnWidth(1), 77);
    QCOMPARE(next.pane().lengthField()->value(), 7);
    QCOMPARE(next.pane().chartHeight(), chartHeight);
}

int runStatPageTests(int argc, char** argv) {
    StatPageTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "stat_page_test.moc"
