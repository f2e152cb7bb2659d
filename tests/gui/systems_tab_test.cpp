// SPDX-License-Identifier: GPL-3.0-or-later
// The systems tab: the system dialog's normalising and checks, the page
// switched on and off, local system files added, shown, deleted and staked.
#include <memory>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "archive_bytes.h"
#include "dialogs/multi_stake_dialog.h"
#include "dialogs/system_dialog.h"
#include "game/routines.h"
#include "gui_tests.h"
#include "modal_script.h"
#include "models/systems_model.h"
#include "shell/file_io.h"
#include "shell/ini_file.h"
#include "systems_pane.h"
#include "test_program.h"

namespace pentad::test {
namespace {

const std::vector<RawDraw> kDraws = {
    {101, {1, 2, 3, 4, 5}, "01/01/2024 M"},
    {102, {6, 7, 8, 9, 0}, "01/01/2024 E"},
};

template <typename T>
T* field(QWidget* dialog, const char* name) {
    return dialog->findChild<T*>(QString::fromUtf8(name));
}

QString text(QWidget* dialog, const char* name) {
    return field<QLineEdit>(dialog, name)->text();
}

QPlainTextEdit* combsBox(QWidget* dialog) {
    return field<QPlainTextEdit>(dialog, "mmCombs");
}

// Leaving the combination box as a Tab would.
void leaveBox(QWidget* dialog) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(combsBox(dialog), &out);
}

// Fills what the checks ask for, except the lines.
void fillRecord(QWidget* dialog, const QString& title) {
    field<QLineEdit>(dialog, "edTitle")->setText(title);
    field<QLineEdit>(dialog, "edAuthor")->setText(QStringLiteral("Автор"));
    field<QPlainTextEdit>(dialog, "edDescr")->setPlainText(QStringLiteral("Описание"));
}

QDialogButtonBox* buttonBox(QWidget* dialog) {
    return dialog->findChild<QDialogButtonBox*>();
}

struct Program : TestProgram {
    using TestProgram::TestProgram;

    SystemsPane& pane() { return *window.systemsPane(); }
    SystemsModel& model() { return *pane().model(); }
    QString cell(int row, int column) {
        return model().data(model().index(row, column)).toString();
    }
    bool tabShown() {
        QTabWidget& tabs = *window.rightTabs();
        return tabs.isTabVisible(tabs.indexOf(&pane()));
    }
    void focusRow(int row) {
        pane().view()->selectionModel()->setCurrentIndex(
            model().index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    std::string systemsFile(const char* name) {
        return workspace.filePath(std::string("Systems/") + name);
    }
};

}  // namespace

class SystemsTabTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogNormalisesTheLinesWhenTheBoxIsLeft();
    void dialogChecksInOrderAndReturnsTheRecord();
    void readOnlyDialogOnlyShows();
    void pageComesAndGoesWithItsStakeCommands();
    void localSystemsAreAddedShownAndDeleted();
    void wholeSystemIsStakedOnTheSetsDigits();

private:
    Program& start() { return m_fixture.start(); }

    ProgramFixture<Program> m_fixture;
};

void SystemsTabTest::init() {
    QVERIFY(m_fixture.setUp(kDraws));
}

void SystemsTabTest::cleanup() {
    m_fixture.tearDown();
}

void SystemsTabTest::dialogNormalisesTheLinesWhenTheBoxIsLeft() {
    Program& p = start();
    SystemDialog dialog(p.shell, tSystemData{}, true, {});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Система"));
    QCOMPARE(text(&dialog, "edLength"), QStringLiteral("5"));
    QVERIFY(field<QLineEdit>(&dialog, "edLength")->isReadOnly());
    QVERIFY(field<QLineEdit>(&dialog, "edCSize")->isReadOnly());
    QVERIFY(!field<QPushButton>(&dialog, "btnUrl")->isEnabled());
    field<QLineEdit>(&dialog, "edUrl")->setText(QStringLiteral("example.org"));
    QVERIFY(field<QPushButton>(&dialog, "btnUrl")->isEnabled());

    combsBox(&dialog)->setPlainText(QStringLiteral("1,2,3,4,5\n 6 7 8 9 10 \n1 2 3"));
    leaveBox(&dialog);
    QCOMPARE(combsBox(&dialog)->toPlainText(), QStringLiteral("01 02 03 04 05\n06 07 08 09 10"));
    QCOMPARE(text(&dialog, "edNums"), QStringLiteral("10"));
    QCOMPARE(text(&dialog, "edCSize"), QStringLiteral("2"));
    QVERIFY(p.ui.messages.empty());

    // A word that is not a number leaves the box as typed.
    combsBox(&dialog)->setPlainText(QStringLiteral("1 2 x 4 5"));
    leaveBox(&dialog);
    QCOMPARE(p.ui.messages.size(), size_t{1});
    QCOMPARE(QString::fromStdString(p.ui.messages[0].text),
             QStringLiteral("Некорректное значение в строке системы: \"x\"!"));
    QCOMPARE(combsBox(&dialog)->toPlainText(), QStringLiteral("1 2 x 4 5"));
    QCOMPARE(text(&dialog, "edNums"), QStringLiteral("10"));

    // The numeric fields take digits only.
    QLineEdit* olap = field<QLineEdit>(&dialog, "edOlap");
    olap->clear();
    QTest::keyClicks(olap, QStringLiteral("a2-"));
    QCOMPARE(olap->text(), QStringLiteral("2"));
}

void SystemsTabTest::dialogChecksInOrderAndReturnsTheRecord() {
    Program& p = start();
    tSystemData data;
    data.Info.Id = -1;
    data.Info.OwnerMail = "me@example.org";
    SystemDialog dialog(p.shell, data, true, {});
    dialog.show();
    combsBox(&dialog)->setPlainText(QStringLiteral("1,2,3,4,5\n 6 7 8 9 10 \n1 2 3"));
    auto clickOk = [&] { buttonBox(&dialog)->button(QDialogButtonBox::Ok)->click(); };
    auto lastMessage = [&] { return QString::fromStdString(p.ui.messages.back().text); };

    clickOk();
    QVERIFY(dialog.isVisible());
    QCOMPARE(lastMessage(), QStringLiteral("Название системы должно быть указано обязательно!"));
    // OK normalised the changed box.
    QCOMPARE(text(&dialog, "edNums"), QStringLiteral("10"));

    fillRecord(&dialog, QStringLiteral("Десятка"));
    field<QLineEdit>(&dialog, "edNums")->setText(QStringLiteral("11"));
    clickOk();
    QVERIFY(dialog.isVisible());
    QCOMPARE(lastMessage(), QStringLiteral("Указано недопустмое количество используемых чисел!"));
    field<QLineEdit>(&dialog, "edNums")->setText(QStringLiteral("10"));
    field<QLineEdit>(&dialog, "edOlap")->setText(QStringLiteral("5"));
    clickOk();
    QCOMPARE(lastMessage(), QStringLiteral("Указан недопустмый размер блока!"));
    field<QLineEdit>(&dialog, "edOlap")->setText(QStringLiteral("2"));
    field<QLineEdit>(&dialog, "edAuthor")->clear();
    clickOk();
    QCOMPARE(lastMessage(), QStringLiteral("Имя автора должно быть указано обязательно!"));
    QCOMPARE(p.ui.messages.size(), size_t{4});

    fillRecord(&dialog, QStringLiteral("Десятка"));
    clickOk();
    QCOMPARE(dialog.result(), int{QDialog::Accepted});
    const tSystemData edited = dialog.data();
    QCOMPARE(edited.Info.Id, -1);
    QCOMPARE(QString::fromStdString(edited.Info.OwnerMail), QStringLiteral("me@example.org"));
    QCOMPARE(QString::fromStdString(edited.Info.Title), QStringLiteral("Десятка"));
    QCOMPARE(int{edited.Info.Nums}, 10);
    QCOMPARE(int{edited.Info.Olap}, 2);
    QCOMPARE(edited.Info.CSize, 2);
    QVERIFY(edited.Info.Created > 0);
    QCOMPARE(edited.CList, std::string("01 02 03 04 05\r\n06 07 08 09 10"));
}

void SystemsTabTest::readOnlyDialogOnlyShows() {
    Program& p = start();
    tSystemData data;
    data.Info.Id = 12;
    data.Info.Nums = 7;
    data.Info.Title = "Чужая";
    data.CList = "1,2,3,4,5";
    SystemDialog dialog(p.shell, data, false, {});
    QList<QAbstractButton*> buttons = buttonBox(&dialog)->buttons();
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(buttonBox(&dialog)->standardButton(buttons[0]), QDialogButtonBox::Close);
    QVERIFY(field<QLineEdit>(&dialog, "edTitle")->isReadOnly());
    QVERIFY(field<QLineEdit>(&dialog, "edNums")->isReadOnly());
    QVERIFY(combsBox(&dialog)->isReadOnly());
    QVERIFY(!field<QPushButton>(&dialog, "btnPaste")->isEnabled());
    QVERIFY(!field<QPushButton>(&dialog, "btnLoad")->isEnabled());
    leaveBox(&dialog);
    QCOMPARE(combsBox(&dialog)->toPlainText(), QStringLiteral("1,2,3,4,5"));
    QCOMPARE(text(&dialog, "edNums"), QStringLiteral("7"));
}

void SystemsTabTest::pageComesAndGoesWithItsStakeCommands() {
    Program& p = start();
    QAction& on = p.command("SystemsOn");
    QAction& stakeAll = p.command("SystemStakeAll");
    QAction& stakeFilter = p.command("SystemStakeFilter");
    QAction* tabItem = p.window.findChild<QAction*>(QStringLiteral("SystemsOnTab"));
    QVERIFY(tabItem != nullptr);
    QCOMPARE(tabItem->text(), QStringLiteral("Вкладка \"Системы\""));
    QCOMPARE(on.text(), QStringLiteral("Системная игра"));
    QVERIFY(!p.tabShown());
    QVERIFY(!stakeAll.isVisible());
    QVERIFY(!p.command("SystemsAdd").isEnabled());

    tabItem->trigger();
    QVERIFY(p.tabShown());
    QCOMPARE(p.window.rightTabs()->currentWidget(), &p.pane());
    QVERIFY(on.isChecked());
    QVERIFY(tabItem->isChecked());
    QVERIFY(stakeAll.isVisible() && stakeFilter.isVisible());
    QVERIFY(stakeAll.isEnabled());
    QVERIFY(p.command("SystemsAdd").isEnabled());
    IniFile frm(p.workspace.filePath("Pentad.frm"));
    QCOMPARE(frm.readBool("TFormMain", "SystemsEnabled", false), true);

    on.trigger();
    QVERIFY(!p.tabShown());
    QVERIFY(!tabItem->isChecked());
    QVERIFY(!stakeAll.isVisible());
    frm.reload();
    QCOMPARE(frm.readBool("TFormMain", "SystemsEnabled", true), false);
}

void SystemsTabTest::localSystemsAreAddedShownAndDeleted() {
    Program& p = start();
    // A system downloaded earlier: its name is all that is known of it.
    forceFolders(p.workspace.filePath("Systems"));
    writeFileAtomic(p.systemsFile("5-07-0_0012.dat"), "01 02 03 04 05\r\n03 04 05 06 07\r\n");
    p.command("SystemsOn").trigger();
    QCOMPARE(p.model().rowCount(), 1);
    QCOMPARE(p.cell(0, 0), QStringLiteral("5-07-0_0012"));
    QCOMPARE(p.cell(0, 1), QStringLiteral("07"));
    QCOMPARE(p.cell(0, 3), QStringLiteral("2"));
    QCOMPARE(p.cell(0, 4), QString());
    QCOMPARE(p.cell(0, 6), QString());
    QCOMPARE(p.cell(0, SystemsModel::StatusColumn), QStringLiteral("Загружена"));
    QCOMPARE(p.model().headerData(3, Qt::Horizontal).toString(), QStringLiteral("Комбинаций"));

    onNextModal<SystemDialog>([](SystemDialog* dialog) {
        fillRecord(dialog, QStringLiteral("Десятка"));
        combsBox(dialog)->setPlainText(QStringLiteral("1 2 3 4 5\n6,7,8,9,10"));
        buttonBox(dialog)->button(QDialogButtonBox::Ok)->click();
    });
    p.command("SystemsAdd").trigger();
    QCOMPARE(QString::fromStdString(readFileBytes(p.systemsFile("5-10-0_-0001.dat"))),
             QStringLiteral("01 02 03 04 05\r\n06 07 08 09 10\r\n"));
    QCOMPARE(p.model().rowCount(), 2);
    const int added = p.pane().currentRow();
    QCOMPARE(p.cell(added, 0), QStringLiteral("Десятка"));
    QCOMPARE(p.cell(added, 1), QStringLiteral("10"));
    QCOMPARE(p.cell(added, 4), QStringLiteral("Автор"));

    // The downloaded system is only shown; the own one opens for editing.
    bool readOnly = false;
    onNextModal<SystemDialog>([&](SystemDialog* dialog) {
        readOnly = field<QLineEdit>(dialog, "edTitle")->isReadOnly();
        QCOMPARE(combsBox(dialog)->toPlainText(),
                 QStringLiteral("01 02 03 04 05\n03 04 05 06 07\n"));
        dialog->reject();
    });
    p.focusRow(added == 0 ? 1 : 0);
    p.command("SystemsProp").trigger();
    QVERIFY(readOnly);
    onNextModal<SystemDialog>([&](SystemDialog* dialog) {
        readOnly = field<QLineEdit>(dialog, "edTitle")->isReadOnly();
        QCOMPARE(text(dialog, "edTitle"), QStringLiteral("Десятка"));
        dialog->reject();
    });
    p.focusRow(added);
    p.command("SystemsProp").trigger();
    QVERIFY(!readOnly);

    // Deleting asks first, naming the system.
    p.command("SystemsDel").trigger();
    QCOMPARE(QString::fromStdString(p.ui.questions.back().text),
             QStringLiteral("Вы действительно хотите удалить систему \"Десятка\"?"));
    QCOMPARE(p.model().rowCount(), 2);
    p.ui.queueAnswer(true);
    p.command("SystemsDel").trigger();
    QCOMPARE(p.model().rowCount(), 1);
    QVERIFY(!fileExists(p.systemsFile("5-10-0_-0001.dat")));
    QVERIFY(fileExists(p.systemsFile("5-07-0_0012.dat")));
}

void SystemsTabTest::wholeSystemIsStakedOnTheSetsDigits() {
    Program& p = start();
    forceFolders(p.workspace.filePath("Systems"));
    writeFileAtomic(p.systemsFile("5-10-0_-0001.dat"), "05 04 03 02 01\r\n06 07 08 09 10\r\n");
    p.command("SystemsOn").trigger();
    QString comment;
    int drawNumber = 0;
    onNextModal<MultiStakeDialog>([&](MultiStakeDialog* dialog) {
        comment = field<QLineEdit>(dialog, "edComment")->text();
        drawNumber = dialog->input().drawNumber;
        buttonBox(dialog)->button(QDialogButtonBox::Ok)->click();
    });
    p.command("SystemStakeAll").trigger();
    QCOMPARE(comment, QStringLiteral("Системная игра для 10 чисел [вся система]: 5-10-0_-0001"));
    QCOMPARE(drawNumber, 103);
    QStringList staked;
    for (const TStakeRec& r : p.workspace.stakes().ledger().readAll()) {
        if (!r.isSeparator()) {
            QCOMPARE(int{r.Kind}, int{kStakeSystem});
            QCOMPARE(r.DrawNumber, 103);
            staked << QString::fromStdString(numberSetToText(r.Stake, ";"));
        }
    }
    // The full set's digits in order of appearance are 0..9; the first line
    // is staked sorted.
    QCOMPARE(staked, QStringList({QStringLiteral("0;1;2;3;4"), QStringLiteral("5;6;7;8;9")}));
}

int runSystemsTabTests(int argc, char** argv) {
    SystemsTabTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "systems_tab_test.moc"
