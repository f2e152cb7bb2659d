// SPDX-License-Identifier: GPL-3.0-or-later
// The combinations tab: the list over the set, the generation dialog and its
// defaults in "Pentad.ini", excluding the last draws from the count field,
// deleting rows with undo, files of combinations, the clipboard and the
// questions about the set.
#include <memory>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "archive_bytes.h"
#include "combs_pane.h"
#include "dialogs/draw_info_dialog.h"
#include "dialogs/generate_dialog.h"
#include "game/routines.h"
#include "gui_tests.h"
#include "modal_script.h"
#include "models/combs_model.h"
#include "shell/ini_file.h"
#include "test_program.h"

namespace pentad::test {
namespace {

const std::vector<RawDraw> kDraws = {
    {101, {1, 2, 3, 4, 5}, "01/01/2024 M"},
    {102, {0, 0, 0, 0, 3}, "01/01/2024 E"},
    {103, {0, 0, 0, 0, 1}, "01/02/2024 M"},
};

struct Program : TestProgram {
    using TestProgram::TestProgram;

    CombsPane& pane() { return *window.combsPane(); }
    CombsModel& model() { return *pane().model(); }
    QTableView& list() { return *pane().view(); }
    QString cell(int row, int column, int role = Qt::DisplayRole) {
        return model().data(model().index(row, column), role).toString();
    }
    QString comb(int row) {
        QString text;
        for (int c = CombsModel::FirstDigitColumn; c < CombsModel::SumColumn; ++c) {
            text += cell(row, c);
        }
        return text;
    }
    void selectRows(std::initializer_list<int> rows) {
        list().clearSelection();
        for (int r : rows) {
            list().selectionModel()->select(
                model().index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    QString lastMessage() {
        return ui.messages.empty() ? QString() : QString::fromStdString(ui.messages.back().text);
    }
};

// Chooses a mode and parameter in the generation dialog and confirms it.
void answerGenerateDialog(int mode, const QString& parameters, bool saveDefaults) {
    onNextModal<GenerateDialog>([=](GenerateDialog* dialog) {
        dialog->findChild<QRadioButton*>(QStringLiteral("rbMode%1").arg(mode))->setChecked(true);
        dialog->findChild<QLineEdit*>(QStringLiteral("edParameters"))->setText(parameters);
        dialog->findChild<QCheckBox*>(QStringLiteral("cbSaveDefaults"))->setChecked(saveDefaults);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
}

}  // namespace

class CombinationsTabTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listShowsRowNumberDigitsSumAndChannels();
    void generationDialogKeepsDefaultsOnlyWhenAsked();
    void generationFromFileUsesTheFileButton();
    void excludeFieldRemovesTheLastDraws();
    void deleteSelectedRowsAndUndo();
    void clipboardCopiesSelectedAndPastesText();
    void savedSetOpensInTheSameOrder();
    void questionsAboutTheSetAnswerInBoxes();

private:
    QString path(const char* name) const { return m_dir->path() + "/" + name; }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Program> m_program;
};

void CombinationsTabTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    writeArchiveFile(path("Pentad.ldr").toStdString(), kDraws);
    m_program = std::make_unique<Program>(m_dir->path());
}

void CombinationsTabTest::cleanup() {
    m_program.reset();
    m_dir.reset();
}

void CombinationsTabTest::listShowsRowNumberDigitsSumAndChannels() {
    Program& p = *m_program;
    QCOMPARE(p.model().rowCount(), 100000);
    QCOMPARE(p.cell(0, 0), QStringLiteral("1"));
    QCOMPARE(p.comb(0), QStringLiteral("00000"));
    QCOMPARE(p.cell(99999, 0), QStringLiteral("100000"));
    QCOMPARE(p.comb(99999), QStringLiteral("99999"));
    QCOMPARE(p.cell(99999, CombsModel::SumColumn), QStringLiteral("45"));
    QCOMPARE(p.model().headerData(0, Qt::Horizontal).toString(), QStringLiteral("№"));
    QCOMPARE(p.model().headerData(6, Qt::Horizontal).toString(), QStringLiteral("S"));

    const int channelSize = p.workspace.config().ChannelSize;
    auto background = [&](int row, int column) {
        return p.model().data(p.model().index(row, column), Qt::BackgroundRole).value<QBrush>();
    };
    QAction& colour = p.command("ViewColorCombs");
    QVERIFY(colour.isChecked());
    QCOMPARE(background(99999, 1).color(), QColor(QRgb(groupColorRgb(9, channelSize))));
    colour.trigger();
    QVERIFY(!colour.isChecked());
    QCOMPARE(background(99999, 1).style(), Qt::NoBrush);
    IniFile frm(path("Pentad.frm").toStdString());
    QCOMPARE(frm.readBool("TFormMain", "ColorCombs", true), false);
}

void CombinationsTabTest::generationDialogKeepsDefaultsOnlyWhenAsked() {
    Program& p = *m_program;
    QString title;
    QStringList modes;
    bool parameterEnabled = true;
    bool fileEnabled = true;
    onNextModal<GenerateDialog>([&](GenerateDialog* dialog) {
        title = dialog->windowTitle();
        for (int m = 0; m < 5; ++m) {
            modes << dialog->findChild<QRadioButton*>(QStringLiteral("rbMode%1").arg(m))->text();
        }
        parameterEnabled =
            dialog->findChild<QLineEdit*>(QStringLiteral("edParameters"))->isEnabled();
        fileEnabled = dialog->findChild<QPushButton*>(QStringLiteral("btnFile"))->isEnabled();
        dialog->findChild<QRadioButton*>(QStringLiteral("rbMode1"))->setChecked(true);
        dialog->findChild<QLineEdit*>(QStringLiteral("edParameters"))
            ->setText(QStringLiteral("3;5"));
        QVERIFY(dialog->findChild<QLineEdit*>(QStringLiteral("edParameters"))->isEnabled());
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    p.command("CombsGen").trigger();
    QCOMPARE(title, QStringLiteral("Создание нового списка комбинаций"));
    QCOMPARE(modes.value(1),
             QStringLiteral("Мои числа - должно присутствовать любое из указанных"));
    QCOMPARE(modes.value(4),
             QStringLiteral("Загрузить список из заранее подготовленного CSV-файла"));
    QVERIFY(!parameterEnabled);
    QVERIFY(!fileEnabled);
    QCOMPARE(p.model().rowCount(), 67232);
    QCOMPARE(p.panel(3), QStringLiteral("Комбинаций: 67232"));
    IniFile ini(path("Pentad.ini").toStdString());
    QVERIFY(!ini.hasKey("GLOBAL", "CombsGenerateMode"));
    // Generation leaves no undo.
    QVERIFY(!p.command("CombsUndo").isEnabled());

    answerGenerateDialog(2, QStringLiteral("3;5"), true);
    p.command("CombsGen").trigger();
    QCOMPARE(p.model().rowCount(), 32);
    ini.reload();
    QCOMPARE(ini.readInt("GLOBAL", "CombsGenerateMode", -1), 2);
    QCOMPARE(ini.readString("GLOBAL", "CombsGenerateParameters", ""), std::string("3;5"));

    // The next dialog starts from the defaults, the save box unticked again.
    bool saveTicked = true;
    QString shownParameters;
    bool modeTwo = false;
    onNextModal<GenerateDialog>([&](GenerateDialog* dialog) {
        saveTicked = dialog->findChild<QCheckBox*>(QStringLiteral("cbSaveDefaults"))->isChecked();
        shownParameters = dialog->findChild<QLineEdit*>(QStringLiteral("edParameters"))->text();
        modeTwo = dialog->findChild<QRadioButton*>(QStringLiteral("rbMode2"))->isChecked();
        dialog->reject();
    });
    p.command("CombsGen").trigger();
    QVERIFY(!saveTicked);
    QVERIFY(modeTwo);
    QCOMPARE(shownParameters, QStringLiteral("3;5"));
    QCOMPARE(p.model().rowCount(), 32);
}

void CombinationsTabTest::generationFromFileUsesTheFileButton() {
    Program& p = *m_program;
    QFile file(path("mine.lcv"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1;2;3;4;5\r\n1;2;3;4\r\n9;8;7;6;5\r\n");
    file.close();
    p.window.openPath = file.fileName();
    onNextModal<GenerateDialog>([](GenerateDialog* dialog) {
        dialog->findChild<QRadioButton*>(QStringLiteral("rbMode4"))->setChecked(true);
        auto* browse = dialog->findChild<QPushButton*>(QStringLiteral("btnFile"));
        QVERIFY(browse->isEnabled());
        browse->click();
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    p.command("CombsGen").trigger();
    QCOMPARE(p.window.lastFilter, QStringLiteral("Файлы комбинаций (*.lcv)"));
    QCOMPARE(p.window.lastSuffix, QStringLiteral("lcv"));
    QCOMPARE(p.model().rowCount(), 2);
    QCOMPARE(p.comb(1), QStringLiteral("98765"));
    QCOMPARE(p.lastMessage(), QStringLiteral("Пропущено некорректных строк: 1"));
}

void CombinationsTabTest::excludeFieldRemovesTheLastDraws() {
    Program& p = *m_program;
    QSpinBox* field = p.pane().excludeField();
    QCOMPARE(
        field->toolTip(),
        QStringLiteral("Исключить указанное количество последних тиражей из списка комбинаций"));
    QAction& exclude = p.command("CombsDelExists");
    QVERIFY(!exclude.isEnabled());
    field->setValue(2);
    QVERIFY(exclude.isEnabled());
    QTest::keyClick(field, Qt::Key_Return);
    // The two newest draws, 00001 and 00003, are gone.
    QCOMPARE(p.model().rowCount(), 99998);
    QCOMPARE(p.comb(1), QStringLiteral("00002"));
    AppliedFiltersModel& entries = *p.pane().filtersModel();
    QCOMPARE(entries.data(entries.index(0, 0)).toString(), QStringLiteral("Последние тиражи"));
    QCOMPARE(entries.data(entries.index(0, 1)).toString(), QStringLiteral("2"));
    QCOMPARE(entries.data(entries.index(0, 2)).toString(), QStringLiteral("99998"));

    QVERIFY(p.window.close());
    IniFile frm(path("Pentad.frm").toStdString());
    QCOMPARE(frm.readInt("TFormMain", "DrawsExclude", 0), 2);
}

void CombinationsTabTest::deleteSelectedRowsAndUndo() {
    Program& p = *m_program;
    QAction& del = p.command("CombsDelSelected");
    QCOMPARE(del.shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    QVERIFY(!del.isEnabled());
    p.selectRows({0, 2, 4});
    QVERIFY(del.isEnabled());
    del.trigger();
    QCOMPARE(p.model().rowCount(), 99997);
    QCOMPARE(p.comb(0), QStringLiteral("00001"));
    QCOMPARE(p.comb(1), QStringLiteral("00003"));
    QVERIFY(!p.list().selectionModel()->hasSelection());
    AppliedFiltersModel& entries = *p.pane().filtersModel();
    QCOMPARE(entries.data(entries.index(0, 0)).toString(), QStringLiteral("Выделенные комбинации"));
    QCOMPARE(entries.data(entries.index(0, 1)).toString(), QStringLiteral("3"));

    p.command("CombsUndo").trigger();
    QCOMPARE(p.model().rowCount(), 100000);
    QCOMPARE(entries.rowCount(), 0);
    QVERIFY(!p.command("CombsUndo").isEnabled());

    p.command("CombsSelectAll").trigger();
    QCOMPARE(p.pane().selectedRows().size(), size_t{100000});
}

void CombinationsTabTest::clipboardCopiesSelectedAndPastesText() {
    Program& p = *m_program;
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    QVERIFY(!p.command("CombsPaste").isEnabled());
    p.selectRows({12345, 3});
    p.command("CombsCopy").trigger();
    QCOMPARE(clipboard->text(), QStringLiteral("00 00 00 00 03\r\n01 02 03 04 05\r\n"));
    QVERIFY(p.command("CombsPaste").isEnabled());

    clipboard->setText(QStringLiteral("9 8 7 6 5\n1-2-3-4-5\n"));
    p.command("CombsPaste").trigger();
    QCOMPARE(p.model().rowCount(), 2);
    QCOMPARE(p.comb(0), QStringLiteral("98765"));
    QCOMPARE(p.panel(3), QStringLiteral("Комбинаций: 2"));
    QVERIFY(!p.command("CombsUndo").isEnabled());

    // A bad line is refused and the set comes back.
    clipboard->setText(QStringLiteral("1 2 3\n"));
    p.command("CombsPaste").trigger();
    QCOMPARE(p.lastMessage(), QStringLiteral("Некорректная комбинация: \"1 2 3\"!"));
    QCOMPARE(p.model().rowCount(), 2);
}

void CombinationsTabTest::savedSetOpensInTheSameOrder() {
    Program& p = *m_program;
    answerGenerateDialog(2, QStringLiteral("7,1"), false);
    p.command("CombsGen").trigger();
    QCOMPARE(p.model().rowCount(), 32);
    p.window.savePath = path("set.lcv");
    p.command("CombsSave").trigger();
    QCOMPARE(p.window.lastFilter, QStringLiteral("Файлы комбинаций (*.lcv)"));
    QFile saved(p.window.savePath);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().startsWith("1;1;1;1;1\r\n1;1;1;1;7\r\n"));

    answerGenerateDialog(0, QString(), false);
    p.command("CombsGen").trigger();
    QCOMPARE(p.model().rowCount(), 100000);
    p.window.openPath = p.window.savePath;
    p.command("CombsOpen").trigger();
    QCOMPARE(p.model().rowCount(), 32);
    QCOMPARE(p.comb(1), QStringLiteral("11117"));
    QCOMPARE(p.comb(31), QStringLiteral("77777"));
    QVERIFY(!p.command("CombsUndo").isEnabled());

    // An empty set cannot be saved.
    answerGenerateDialog(1, QString(), false);
    p.command("CombsGen").trigger();
    QCOMPARE(p.model().rowCount(), 0);
    QVERIFY(!p.command("CombsSave").isEnabled());
    QVERIFY(!p.command("CombsCopy").isEnabled());
}

void CombinationsTabTest::questionsAboutTheSetAnswerInBoxes() {
    Program& p = *m_program;
    QAction& find = p.command("CombsFindInDraws");
    QVERIFY(!find.isEnabled());
    p.list().setCurrentIndex(p.model().index(3, 0));
    find.trigger();
    QCOMPARE(p.lastMessage(),
             QStringLiteral("Выделенная комбинация найдена в следующих тиражах:\r\n"
                            "\r\nТираж № 102 от 01/01/2024 E, значения: 0;0;0;0;3"));
    p.list().setCurrentIndex(p.model().index(4, 0));
    find.trigger();
    QCOMPARE(p.lastMessage(), QStringLiteral("Выделенная комбинация не найдена архиве тиражей!"));

    QStringList properties;
    onNextModal<DrawInfoDialog>([&](DrawInfoDialog* dialog) {
        auto* list = dialog->findChild<QTableWidget*>(QStringLiteral("lvProperties"));
        for (int r = 0; r < list->rowCount(); ++r) {
            properties << list->item(r, 0)->text() + " " + list->item(r, 1)->text();
        }
        dialog->reject();
    });
    p.command("CombsInfo").trigger();
    QCOMPARE(properties.value(0), QStringLiteral("Комбинация №: 5"));
    QCOMPARE(properties.value(1), QStringLiteral("Числа комбинации: 0;0;0;0;4"));
    QCOMPARE(properties.value(2), QStringLiteral("Количество четных чисел в тираже (Ч:Н) 5"));
}

int runCombinationsTabTests(int argc, char** argv) {
    CombinationsTabTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "combs_tab_test.moc"
