// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a folder with a small archive written by the test: what
// the draw list and the status panels show, that the draw commands change
// "Pentad.ldr", which commands are enabled when, and the layout kept in
// "Pentad.frm".
#include <memory>

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "archive_bytes.h"
#include "dialogs/draw_dialog.h"
#include "dialogs/draw_info_dialog.h"
#include "draws_pane.h"
#include "game/routines.h"
#include "gui_tests.h"
#include "modal_script.h"
#include "models/draws_model.h"
#include "shell/ini_file.h"
#include "test_program.h"

namespace pentad::test {
namespace {

// One running program with helpers for the draw list.
struct Program : TestProgram {
    using TestProgram::TestProgram;

    DrawsModel& model() { return *window.drawsPane()->model(); }
    QTableView& list() { return *window.drawsPane()->view(); }
    QVariant cell(int row, int column, int role = Qt::DisplayRole) {
        return model().data(model().index(row, column), role);
    }
    void selectRows(std::initializer_list<int> rows) {
        list().clearSelection();
        for (int r : rows) {
            list().selectionModel()->select(
                model().index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
};

// Fills the draw dialog that a command opens and confirms it.
void answerDrawDialog(const QString& digits, QString* shownNumber = nullptr,
                      QString* shownDigits = nullptr) {
    onNextModal<DrawDialog>([=](DrawDialog* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("edDigits"));
        if (shownNumber != nullptr) {
            *shownNumber = dialog->findChild<QSpinBox*>(QStringLiteral("edNumber"))->text();
        }
        if (shownDigits != nullptr) {
            *shownDigits = edit->text();
        }
        edit->setText(digits);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
}

QColor background(const QVariant& value) {
    return value.value<QBrush>().color();
}

const std::vector<RawDraw> kThreeDraws = {
    {101, {1, 2, 3, 4, 5}, "01/01/2024 M"},
    {102, {6, 7, 8, 9, 0}, "01/01/2024 E"},
    {103, {0, 0, 1, 1, 2}, "01/02/2024 M"},
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listShowsNewestDrawFirst();
    void offsetHighlightsItsRowAndNamesTheHiddenDraw();
    void colourToggleRepaintsAndIsSaved();
    void addAppendsTheDialogsDraw();
    void editReplacesTheFocusedDraw();
    void deleteAsksThenRemovesSelectedDraws();
    void commandsFollowBusyStateAndSelection();
    void doubleClickShowsDrawInformation();
    void emptyFolderStartsWithEmptyArchive();
    void sortedViewComesFromTheViewStateFile();
    void exportAndImportGoThroughTheFileDialogs();
    void closingSavesLayoutThatTheNextStartRestores();

private:
    std::string archivePath() const { return (m_dir->path() + "/Pentad.ldr").toStdString(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Program> m_program;
};

void MainWindowTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    writeArchiveFile(archivePath(), kThreeDraws);
    m_program = std::make_unique<Program>(m_dir->path());
}

void MainWindowTest::cleanup() {
    m_program.reset();
    m_dir.reset();
}

void MainWindowTest::listShowsNewestDrawFirst() {
    Program& p = *m_program;
    QCOMPARE(p.model().rowCount(), 3);
    QCOMPARE(p.cell(0, 0).toInt(), 103);
    QCOMPARE(p.cell(1, 0).toInt(), 102);
    QCOMPARE(p.cell(2, 0).toInt(), 101);
    QList<int> digits;
    for (int c = 1; c <= 5; ++c) {
        digits << p.cell(0, c).toInt();
    }
    QCOMPARE(digits, (QList<int>{0, 0, 1, 1, 2}));
    QCOMPARE(p.cell(0, DrawsModel::SumColumn).toInt(), 4);
    QCOMPARE(p.cell(1, DrawsModel::DateColumn).toString(), QStringLiteral("01/01/2024 E"));

    QStringList headers;
    for (int c = 0; c < DrawsModel::kColumnCount; ++c) {
        headers << p.model().headerData(c, Qt::Horizontal).toString();
    }
    QCOMPARE(headers, (QStringList{"Тираж", "1", "2", "3", "4", "5", "S", "Дата тиража"}));

    QCOMPARE(p.panel(0), QStringLiteral("Архив тиражей: 3"));
    QCOMPARE(p.panel(1), QStringLiteral("Следующий тираж: 104"));
    QCOMPARE(p.panel(2), QString());
    // The set is generated with the default parameters at start-up.
    QCOMPARE(p.panel(3), QStringLiteral("Комбинаций: 100000"));
    QCOMPARE(p.panel(4), QStringLiteral("Ставок: 0"));
    QCOMPARE(p.panel(5), QStringLiteral("Рейтинг: 0"));
    QCOMPARE(p.panel(6), QString());
    QCOMPARE(p.window.windowTitle(),
             QStringLiteral("Анализ статистики лотереи \"Florida PICK 5\" версия ") +
                 QStringLiteral(PENTAD_VERSION_TEXT));
}

void MainWindowTest::offsetHighlightsItsRowAndNamesTheHiddenDraw() {
    Program& p = *m_program;
    QSpinBox* offset = p.window.drawsPane()->offsetField();
    QCOMPARE(offset->maximum(), 2);
    QCOMPARE(background(p.cell(0, 0, Qt::BackgroundRole)), QColor(0xFF, 0xAA, 0xAA));

    offset->setValue(1);
    QCOMPARE(p.workspace.offset(), 1);
    for (int c = 0; c < DrawsModel::kColumnCount; ++c) {
        QCOMPARE(background(p.cell(1, c, Qt::BackgroundRole)), QColor(0xFF, 0xAA, 0xAA));
    }
    QVERIFY(background(p.cell(0, 0, Qt::BackgroundRole)) != QColor(0xFF, 0xAA, 0xAA));
    QCOMPARE(p.panel(1), QStringLiteral("Следующий тираж: 103"));
    QCOMPARE(p.panel(2), QStringLiteral("0;0;1;1;2"));
}

void MainWindowTest::colourToggleRepaintsAndIsSaved() {
    Program& p = *m_program;
    const int channelSize = p.workspace.config().ChannelSize;
    QAction& toggle = p.command("ViewColorDraws");
    QVERIFY(toggle.isChecked());
    // Row 2 is draw 101 (digits 1 2 3 4 5), away from the highlighted row 0.
    QCOMPARE(background(p.cell(2, 1, Qt::BackgroundRole)),
             QColor(QRgb(groupColorRgb(1, channelSize))));
    QCOMPARE(background(p.cell(2, 5, Qt::BackgroundRole)),
             QColor(QRgb(groupColorRgb(5, channelSize))));
    QCOMPARE(background(p.cell(2, 0, Qt::BackgroundRole)), QColor(Qt::white));

    toggle.trigger();
    QVERIFY(!toggle.isChecked());
    QVERIFY(!p.cell(2, 1, Qt::BackgroundRole).isValid());
    IniFile frm((m_dir->path() + "/Pentad.frm").toStdString());
    QCOMPARE(frm.readBool("TFormMain", "ColorDraws", true), false);

    toggle.trigger();
    frm.reload();
    QCOMPARE(frm.readBool("TFormMain", "ColorDraws", false), true);
    QVERIFY(toggle.isChecked());
}

void MainWindowTest::addAppendsTheDialogsDraw() {
    Program& p = *m_program;
    QString shownNumber;
    QString shownDigits;
    answerDrawDialog(QStringLiteral("1, 2, 3, 4, 5"), &shownNumber, &shownDigits);
    p.command("DrawsAdd").trigger();

    QCOMPARE(shownNumber, QStringLiteral("104"));
    QCOMPARE(shownDigits, QStringLiteral("0;0;0;0;0"));
    std::vector<RawDraw> file = readArchiveFile(archivePath());
    QCOMPARE(file.size(), size_t{4});
    QCOMPARE(file.back().number, 104);
    QCOMPARE(file.back().digits, (std::array<int, 5>{1, 2, 3, 4, 5}));
    QCOMPARE(file.back().date.size(), size_t{12});
    QCOMPARE(file[2].number, 103);
    QCOMPARE(p.cell(0, 0).toInt(), 104);
    QCOMPARE(p.panel(0), QStringLiteral("Архив тиражей: 4"));
    QCOMPARE(p.panel(1), QStringLiteral("Следующий тираж: 105"));
    QVERIFY(p.ui.messages.empty());
}

void MainWindowTest::editReplacesTheFocusedDraw() {
    Program& p = *m_program;
    QVERIFY(!p.command("DrawsEdit").isEnabled());
    p.list().setCurrentIndex(p.model().index(1, 0));
    QVERIFY(p.command("DrawsEdit").isEnabled());

    QString shownNumber;
    QString shownDigits;
    answerDrawDialog(QStringLiteral("9;9;9;9;9"), &shownNumber, &shownDigits);
    p.command("DrawsEdit").trigger();

    QCOMPARE(shownNumber, QStringLiteral("102"));
    QCOMPARE(shownDigits, QStringLiteral("6;7;8;9;0"));
    std::vector<RawDraw> file = readArchiveFile(archivePath());
    QCOMPARE(file.size(), size_t{3});
    QCOMPARE(file[1].number, 102);
    QCOMPARE(file[1].digits, (std::array<int, 5>{9, 9, 9, 9, 9}));
    QCOMPARE(file[0].digits, (std::array<int, 5>{1, 2, 3, 4, 5}));
    QCOMPARE(file[2].digits, (std::array<int, 5>{0, 0, 1, 1, 2}));
    QCOMPARE(p.cell(1, 1).toInt(), 9);
    // The edited row keeps the focus, so it can be edited again at once.
    QCOMPARE(p.window.drawsPane()->currentRow(), 1);
}

void MainWindowTest::deleteAsksThenRemovesSelectedDraws() {
    Program& p = *m_program;
    QVERIFY(!p.command("DrawsDel").isEnabled());
    p.selectRows({0, 2});
    QVERIFY(p.command("DrawsDel").isEnabled());

    p.ui.queueAnswer(false);
    p.command("DrawsDel").trigger();
    QCOMPARE(p.ui.questions.size(), size_t{1});
    QCOMPARE(QString::fromStdString(p.ui.questions[0].caption), QStringLiteral("Предупреждение"));
    QCOMPARE(QString::fromStdString(p.ui.questions[0].text),
             QStringLiteral("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"));
    QVERIFY(!p.ui.questions[0].defaultYes);
    QCOMPARE(readArchiveFile(archivePath()).size(), size_t{3});

    p.ui.queueAnswer(true);
    p.command("DrawsDel").trigger();
    std::vector<RawDraw> file = readArchiveFile(archivePath());
    QCOMPARE(file.size(), size_t{1});
    QCOMPARE(file[0].number, 102);
    QCOMPARE(p.model().rowCount(), 1);
    QCOMPARE(p.panel(0), QStringLiteral("Архив тиражей: 1"));
    QVERIFY(p.window.drawsPane()->selectedRows().empty());
    QVERIFY(!p.command("DrawsDel").isEnabled());

    // The button under the list runs the same command and asks about one row.
    p.selectRows({0});
    p.ui.queueAnswer(true);
    p.window.findChild<QPushButton*>(QStringLiteral("btnDrawsDel"))->click();
    QCOMPARE(QString::fromStdString(p.ui.questions.back().text),
             QStringLiteral("Удалить выделенную запись?"));
    QVERIFY(readArchiveFile(archivePath()).empty());
    QCOMPARE(p.panel(1), QStringLiteral("Следующий тираж: 1"));
}

void MainWindowTest::commandsFollowBusyStateAndSelection() {
    Program& p = *m_program;
    p.list().setCurrentIndex(p.model().index(0, 0));
    for (const char* name : {"DrawsAdd", "DrawsEdit", "DrawsDel", "DrawsImport", "DrawsExport",
                             "DrawsInfo", "ViewColorDraws", "ExitProgram", "DrawsDownload",
                             "AutoDownload0", "EditProxy"}) {
        QVERIFY2(p.command(name).isEnabled(), name);
    }
    QVERIFY(!p.command("DrawsSorted").isEnabled());
    QVERIFY(!p.command("DrawsSorted").isChecked());

    p.shell.beginBusy();
    p.shell.beginBusy();
    for (const char* name : {"DrawsAdd", "DrawsEdit", "DrawsDel", "DrawsImport", "DrawsExport",
                             "DrawsInfo", "ViewColorDraws", "ExitProgram", "DrawsDownload",
                             "AutoDownload0", "EditProxy"}) {
        QVERIFY2(!p.command(name).isEnabled(), name);
    }
    // Read-only rather than disabled, so a field being typed in keeps the focus.
    QVERIFY(p.window.drawsPane()->offsetField()->isReadOnly());
    QVERIFY(!p.window.findChild<QPushButton*>(QStringLiteral("btnDrawsAdd"))->isEnabled());
    p.shell.endBusy();
    QVERIFY(!p.command("DrawsAdd").isEnabled());
    p.shell.endBusy();
    QVERIFY(p.command("DrawsAdd").isEnabled());
    QVERIFY(!p.window.drawsPane()->offsetField()->isReadOnly());

    // The download button follows its command.
    QVERIFY(p.window.findChild<QPushButton*>(QStringLiteral("btnDrawsDownload"))->isEnabled());
}

void MainWindowTest::doubleClickShowsDrawInformation() {
    Program& p = *m_program;
    const int channelSize = p.workspace.config().ChannelSize;
    QString caption;
    QStringList properties;
    QString digitCell;
    QColor digitRow;
    onNextModal<DrawInfoDialog>([&](DrawInfoDialog* dialog) {
        caption = dialog->windowTitle();
        auto* list = dialog->findChild<QTableWidget*>(QStringLiteral("lvProperties"));
        for (int r = 0; r < list->rowCount(); ++r) {
            properties << list->item(r, 0)->text() + " " + list->item(r, 1)->text();
        }
        // Draw 102 is 6 7 8 9 0: position 1 puts a 6 in row 6 of column 0.
        auto* grid = dialog->findChild<QTableWidget*>(QStringLiteral("sgDigits"));
        digitCell = grid->item(6, 0)->text();
        digitRow = grid->item(6, 1)->background().color();
        dialog->reject();
    });
    const QRect cell = p.list().visualRect(p.model().index(1, 2));
    QTest::mouseClick(p.list().viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(p.list().viewport(), Qt::LeftButton, {}, cell.center());

    QCOMPARE(caption, QStringLiteral("Подробная информация"));
    QCOMPARE(properties.value(0), QStringLiteral("Номер тиража: 102"));
    QCOMPARE(properties.value(1), QStringLiteral("Дата тиража: 01/01/2024 E"));
    // Then the visible graph methods in list order, valued for 6 7 8 9 0.
    QCOMPARE(properties.mid(2, 3),
             (QStringList{"Количество четных чисел в тираже (Ч:Н) 3",
                          "Количество чисел из первой половины диапазона (1П:2П) 1",
                          "Количество простых чисел (П:С) 1"}));
    QVERIFY(properties.contains(QStringLiteral("Число в 1 позиции тиража 6")));
    QVERIFY(properties.contains(QStringLiteral("Число в 5 позиции тиража 0")));
    QCOMPARE(digitCell, QStringLiteral("6"));
    QCOMPARE(digitRow, QColor(QRgb(groupColorRgb(6, channelSize))));
}

void MainWindowTest::emptyFolderStartsWithEmptyArchive() {
    QTemporaryDir empty;
    Program p(empty.path());
    QCOMPARE(p.model().rowCount(), 0);
    QCOMPARE(p.panel(0), QStringLiteral("Архив тиражей: 0"));
    QCOMPARE(p.panel(1), QStringLiteral("Следующий тираж: 1"));
    QVERIFY(!p.command("DrawsExport").isEnabled());
    QVERIFY(p.command("DrawsAdd").isEnabled());
    QVERIFY(p.ui.messages.empty());

    QString shownNumber;
    answerDrawDialog(QStringLiteral("0;1;2;3;4"), &shownNumber);
    p.command("DrawsAdd").trigger();
    QCOMPARE(shownNumber, QStringLiteral("1"));
    QVERIFY(p.command("DrawsExport").isEnabled());
}

void MainWindowTest::sortedViewComesFromTheViewStateFile() {
    m_program.reset();
    QFile frm(m_dir->path() + "/Pentad.frm");
    QVERIFY(frm.open(QIODevice::WriteOnly));
    frm.write("[TFormMain]\r\nSortedDraws=1\r\n");
    frm.close();
    Program p(m_dir->path());

    // Draw 102 was drawn 6 7 8 9 0 and is shown in ascending order.
    QList<int> digits;
    for (int c = 1; c <= 5; ++c) {
        digits << p.cell(1, c).toInt();
    }
    QCOMPARE(digits, (QList<int>{0, 6, 7, 8, 9}));
    QVERIFY(p.command("DrawsSorted").isChecked());
    QVERIFY(!p.command("DrawsSorted").isEnabled());
    // The file itself keeps the drawn order.
    QCOMPARE(readArchiveFile(archivePath())[1].digits, (std::array<int, 5>{6, 7, 8, 9, 0}));
}

void MainWindowTest::exportAndImportGoThroughTheFileDialogs() {
    Program& p = *m_program;
    const QString csv = m_dir->path() + "/draws.csv";
    p.window.savePath = csv;
    p.command("DrawsExport").trigger();
    QCOMPARE(p.window.lastFilter, QStringLiteral("Файлы тиражей (*.csv)"));
    QCOMPARE(p.window.lastSuffix, QStringLiteral("csv"));
    QVERIFY(QFile::exists(csv));

    // Cancelling the open dialog does nothing.
    p.window.openPath.clear();
    p.command("DrawsImport").trigger();
    QCOMPARE(p.model().rowCount(), 3);

    QFile more(m_dir->path() + "/more.csv");
    QVERIFY(more.open(QIODevice::WriteOnly));
    more.write("101;\"01/01/2024 M\";9;9;9;9;9\r\n104;\"01/02/2024 E\";5;6;7;8;9\r\n");
    more.close();
    p.window.openPath = more.fileName();
    p.command("DrawsImport").trigger();
    QCOMPARE(p.model().rowCount(), 4);
    QCOMPARE(p.cell(0, 0).toInt(), 104);
    QCOMPARE(readArchiveFile(archivePath()).size(), size_t{4});
    QCOMPARE(p.panel(1), QStringLiteral("Следующий тираж: 105"));
    QVERIFY(p.ui.messages.empty());
}

void MainWindowTest::closingSavesLayoutThatTheNextStartRestores() {
    Program& p = *m_program;
    p.window.resize(1100, 720);
    p.list().setColumnWidth(0, 81);
    p.list().setColumnWidth(7, 123);
    p.window.findChild<QSplitter*>(QStringLiteral("spMain"))->setSizes({401, 500});
    QVERIFY(p.window.close());

    IniFile frm((m_dir->path() + "/Pentad.frm").toStdString());
    QCOMPARE(frm.readInt("TFormMain", "lvDraws.Column0", 0), 81);
    QCOMPARE(frm.readInt("TFormMain", "lvDraws.Column7", 0), 123);
    QCOMPARE(frm.readInt("TFormMain", "LeftPanelWidth", 0), 401);
    QVERIFY(frm.hasKey("TFormMain", "NormPos"));
    m_program.reset();

    Program next(m_dir->path());
    QCOMPARE(next.list().columnWidth(0), 81);
    QCOMPARE(next.list().columnWidth(7), 123);
    QCOMPARE(next.window.findChild<QSplitter*>(QStringLiteral("spMain"))->sizes().value(0), 401);
}

int runMainWindowTests(int argc, char** argv) {
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "main_window_test.moc"
