// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs of stakes and settings on their own: what the manual stake
// dialog refuses and gives back, how the rule dialog offers its start
// combination, and the record the configuration dialog rebuilds.
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "dialogs/config_dialog.h"
#include "dialogs/rule_dialog.h"
#include "dialogs/stake_dialog.h"
#include "gui_tests.h"
#include "scripted_user_interface.h"
#include "shell/shell.h"
#include "app/workspace.h"

namespace pentad::test {
namespace {

void clickOk(QDialog& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QVERIFY(buttons != nullptr);
    buttons->button(QDialogButtonBox::Ok)->click();
}

template <typename T>
T* field(QDialog& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromUtf8(name));
}

TStakeRec manualStake() {
    TStakeRec stake;
    stake.Kind = kStakeManual;
    stake.DrawNumber = 9125;
    stake.SampleSize = 100000;
    stake.Stake = {5, {9, 8, 7, 6, 5}};
    stake.Profit = -10000;
    stake.Comment = "Ставка \"вручную\"";
    return stake;
}

QString amount(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 2);
}

}  // namespace

class StakeDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void stakeDialogRefusesWhatIsNotACombination_data();
    void stakeDialogRefusesWhatIsNotACombination();
    void stakeDialogGivesBackTheEditedStake();
    void stakeDialogKeepsTheSumOfTheTypedNumbers();
    void ruleDialogOffersTheStartOnlyForOneCombination();
    void ruleDialogRefusesAUsedComment();
    void configDialogRebuildsPrizesAndKeepsTheRest();
    void configDialogRefusesSegmentsOutsideOneToNine();
};

void StakeDialogsTest::stakeDialogRefusesWhatIsNotACombination_data() {
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("message");
    const QString bad = QStringLiteral("Введена некорректная комбинация!");
    QTest::newRow("four numbers") << "1;2;3;4"
                                  << "c" << bad;
    QTest::newRow("number above nine") << "1;2;3;4;10"
                                       << "c" << bad;
    QTest::newRow("word") << "1;2;3;4;x"
                          << "c" << bad;
    QTest::newRow("six numbers") << "1;2;3;4;5;6"
                                 << "c" << bad;
    QTest::newRow("empty comment") << "1;2;3;4;5"
                                   << "" << QStringLiteral("Необходимо ввести комментарий!");
}

void StakeDialogsTest::stakeDialogRefusesWhatIsNotACombination() {
    QFETCH(QString, digits);
    QFETCH(QString, comment);
    QFETCH(QString, message);
    ScriptedUserInterface ui;
    Shell shell(ui);
    StakeDialog dialog(shell, manualStake());
    dialog.show();
    field<QLineEdit>(dialog, "edDigits")->setText(digits);
    field<QLineEdit>(dialog, "edComment")->setText(comment);
    clickOk(dialog);

    QCOMPARE(ui.messages.size(), size_t{1});
    QCOMPARE(ui.messages[0].kind, MessageKind::Error);
    QCOMPARE(QString::fromStdString(ui.messages[0].text), message);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void StakeDialogsTest::stakeDialogGivesBackTheEditedStake() {
    ScriptedUserInterface ui;
    Shell shell(ui);
    StakeDialog dialog(shell, manualStake());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Добавление ставки"));
    QCOMPARE(field<QLineEdit>(dialog, "edDigits")->text(), QStringLiteral("9;8;7;6;5"));
    QCOMPARE(field<QSpinBox>(dialog, "edDrawNumber")->value(), 9125);
    QCOMPARE(field<QSpinBox>(dialog, "edDraws")->maximum(), 65535);
    QCOMPARE(field<QLineEdit>(dialog, "edComment")->maxLength(), 64);
    dialog.show();
    field<QLineEdit>(dialog, "edDigits")->setText(QStringLiteral("1,2;3 ;4,5"));
    field<QSpinBox>(dialog, "edDrawNumber")->setValue(9200);
    field<QSpinBox>(dialog, "edDraws")->setValue(3);
    field<QLineEdit>(dialog, "edComment")->setText(QStringLiteral("Мой выбор"));
    clickOk(dialog);

    QVERIFY(ui.messages.empty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const TStakeRec& stake = dialog.stake();
    QCOMPARE(stake.DrawNumber, 9200);
    QCOMPARE(stake.Stake.Count, 5);
    QCOMPARE(QList<int>(stake.Stake.Digits.begin(), stake.Stake.Digits.begin() + 5),
             (QList<int>{1, 2, 3, 4, 5}));
    QCOMPARE(QString::fromStdString(stake.Comment), QStringLiteral("Мой выбор"));
    QCOMPARE(dialog.draws(), 3);
    // Everything else comes back as it went in.
    QCOMPARE(stake.Kind, uint8_t{kStakeManual});
    QCOMPARE(stake.SampleSize, 100000);
    QCOMPARE(stake.Profit, int64_t{-10000});

    // A stake with no digits yet starts with an empty field.
    TStakeRec empty = manualStake();
    empty.Stake.Count = 0;
    StakeDialog second(shell, empty);
    QCOMPARE(field<QLineEdit>(second, "edDigits")->text(), QString());
}

void StakeDialogsTest::stakeDialogKeepsTheSumOfTheTypedNumbers() {
    ScriptedUserInterface ui;
    Shell shell(ui);
    StakeDialog dialog(shell, manualStake());
    auto* sum = field<QLineEdit>(dialog, "edSum");
    QVERIFY(sum->isReadOnly());
    QCOMPARE(sum->text(), QStringLiteral("35"));
    auto* digits = field<QLineEdit>(dialog, "edDigits");
    digits->clear();
    QTest::keyClicks(digits, QStringLiteral("1;2;"));
    QCOMPARE(sum->text(), QStringLiteral("3"));
    QTest::keyClicks(digits, QStringLiteral("x;9"));
    QCOMPARE(sum->text(), QStringLiteral("12"));
}

void StakeDialogsTest::ruleDialogOffersTheStartOnlyForOneCombination() {
    ScriptedUserInterface ui;
    Shell shell(ui);
    TTableRec rule;
    rule.Comment = "Регулярная ставка";
    rule.Start = {1, 2, 3, 4, 5};
    const TTableArray none;
    const QString placeholder = QStringLiteral("{...Выделенные комбинации...}");
    {
        RuleDialog dialog(shell, rule, none, 1);
        auto* start = field<QLineEdit>(dialog, "edStart");
        QVERIFY(start->isEnabled());
        QCOMPARE(start->text(), QStringLiteral("1;2;3;4;5"));
        start->setText(QStringLiteral("7;7;7;7;7"));
        field<QRadioButton>(dialog, "rbFromDraw")->setChecked(true);
        QVERIFY(!start->isEnabled());
        QCOMPARE(start->text(), placeholder);
        // Going back shows what was typed before.
        field<QRadioButton>(dialog, "rbConstant")->setChecked(true);
        QCOMPARE(start->text(), QStringLiteral("7;7;7;7;7"));
        start->setText(QStringLiteral("1;2;3"));
        dialog.show();
        clickOk(dialog);
        QCOMPARE(QString::fromStdString(ui.messages.back().text),
                 QStringLiteral("Введена некорректная комбинация!"));
        QVERIFY(dialog.isVisible());
        start->setText(QStringLiteral("0;9;0;9;0"));
        field<QSpinBox>(dialog, "edStep")->setValue(-3);
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.rule().Start, (std::array<uint8_t, 5>{0, 9, 0, 9, 0}));
        QCOMPARE(dialog.rule().Last, dialog.rule().Start);
        QCOMPARE(dialog.rule().Step, -3);
        QCOMPARE(int(dialog.rule().FromDraw), 0);
    }
    {
        // Several combinations: the start is theirs, whatever the field says.
        RuleDialog dialog(shell, rule, none, 3);
        auto* start = field<QLineEdit>(dialog, "edStart");
        QVERIFY(!start->isEnabled());
        QCOMPARE(start->text(), placeholder);
        const size_t before = ui.messages.size();
        dialog.show();
        clickOk(dialog);
        QCOMPARE(ui.messages.size(), before);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
}

void StakeDialogsTest::ruleDialogRefusesAUsedComment() {
    ScriptedUserInterface ui;
    Shell shell(ui);
    TTableRec existing;
    existing.Comment = "Шаг 3";
    const TTableArray rules = {existing};
    TTableRec rule;
    rule.Comment = "Шаг 3";
    RuleDialog dialog(shell, rule, rules, 0);
    field<QRadioButton>(dialog, "rbFromDraw")->setChecked(true);
    dialog.show();
    clickOk(dialog);
    QCOMPARE(QString::fromStdString(ui.messages.back().text),
             QStringLiteral("Запись с таким комментарией уже присутствует в списке!\r"
                            "Выберите другой комментарий."));
    field<QLineEdit>(dialog, "edComment")->clear();
    clickOk(dialog);
    QCOMPARE(QString::fromStdString(ui.messages.back().text),
             QStringLiteral("Необходимо ввести комментарий!"));
    field<QLineEdit>(dialog, "edComment")->setText(QStringLiteral("шаг 3"));
    clickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(int(dialog.rule().FromDraw), 1);
}

void StakeDialogsTest::configDialogRebuildsPrizesAndKeepsTheRest() {
    ScriptedUserInterface ui;
    Shell shell(ui);
    TConfigData config;
    config.Cost = 10000;
    config.Profits = {{3, 100000}, {5, 10000000}};
    config.CoefCount = 0.12345L;
    config.MatrixSegments[12] = 4;
    ConfigDialog dialog(shell, config);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Параметры системы"));
    auto* prizes = field<QTableWidget>(dialog, "lvProfits");
    QCOMPARE(prizes->rowCount(), 6);
    QCOMPARE(prizes->item(2, 1)->text(), amount(0));
    QCOMPARE(prizes->item(3, 1)->text(), amount(10));
    QCOMPARE(prizes->item(5, 1)->text(), amount(1000));
    auto* segments = field<QTableWidget>(dialog, "lvSegments");
    QCOMPARE(segments->columnCount(), 3);
    QCOMPARE(segments->rowCount(), 10);
    QCOMPARE(segments->item(2, 1)->text(), QStringLiteral("4"));
    QVERIFY(!field<QSpinBox>(dialog, "edMatrixCols")->isEnabled());
    QVERIFY(field<QSpinBox>(dialog, "edMaxStake")->isHidden());

    prizes->item(4, 1)->setText(amount(25.5));
    dialog.show();
    clickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const TConfigData& edited = dialog.config();
    QCOMPARE(edited.Profits.size(), size_t{6});
    for (int m = 0; m < 6; ++m) {
        QCOMPARE(int(edited.Profits[static_cast<size_t>(m)].Overlap), m);
    }
    QCOMPARE(edited.Profits[3].Profit, int64_t{100000});
    QCOMPARE(edited.Profits[4].Profit, int64_t{255000});
    QCOMPARE(edited.Profits[0].Profit, int64_t{0});
    // Fields shown with fewer decimals keep their values unless edited.
    QCOMPARE(edited.Cost, int64_t{10000});
    QVERIFY(edited.CoefCount == 0.12345L);
    QCOMPARE(edited.MatrixSegments, config.MatrixSegments);
    QVERIFY(Workspace::changedGroups(config, edited).none());
}

void StakeDialogsTest::configDialogRefusesSegmentsOutsideOneToNine() {
    ScriptedUserInterface ui;
    Shell shell(ui);
    TConfigData config;
    config.MatrixCols = 2;
    ConfigDialog dialog(shell, config);
    auto* segments = field<QTableWidget>(dialog, "lvSegments");
    segments->item(7, 1)->setText(QStringLiteral("0"));
    QCOMPARE(ui.messages.size(), size_t{1});
    QCOMPARE(QString::fromStdString(ui.messages[0].text),
             QStringLiteral("Некорректное значение: 0!\r\rУкажите любое число от 1 до 9"));
    QCOMPARE(segments->item(7, 1)->text(), QStringLiteral("1"));
    segments->item(0, 0)->setText(QStringLiteral("9"));
    segments->item(9, 1)->setText(QStringLiteral("3"));
    QCOMPARE(ui.messages.size(), size_t{1});
    field<QSpinBox>(dialog, "edChannelSize")->setValue(4);
    dialog.show();
    clickOk(dialog);
    const TConfigData& edited = dialog.config();
    // Column c, row r is segment 10 c + r; the columns the grid lacks are 1.
    QCOMPARE(int(edited.MatrixSegments[0]), 9);
    QCOMPARE(int(edited.MatrixSegments[19]), 3);
    QCOMPARE(int(edited.MatrixSegments[17]), 1);
    QCOMPARE(int(edited.MatrixSegments[25]), 1);
    const auto groups = Workspace::changedGroups(config, edited);
    QVERIFY(groups.test(3) && groups.test(5) && !groups.test(4));
}

int runStakeDialogsTests(int argc, char** argv) {
    StakeDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "stake_dialogs_test.moc"
