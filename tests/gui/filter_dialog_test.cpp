// SPDX-License-Identifier: GPL-3.0-or-later
// The filter dialog: what it takes over from the statistics page, that an
// item comes back unchanged through it, which weight fields it enables for
// which level mode, the keys its value-list fields accept and the checks on
// OK.
#include "dialogs/filter_dialog.h"

#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "gui_tests.h"
#include "scripted_user_interface.h"
#include "app/workspace.h"

namespace pentad::test {
namespace {

// A workspace on an empty folder: its statistics page prepares the dialog.
struct Fixture {
    Fixture() : shell(ui), workspace(shell, dir.path().toStdString()) {}

    FilterDialog* dialog(const TFilterItem& item = {}) {
        m_dialog =
            std::make_unique<FilterDialog>(shell, workspace.stats(), workspace.statPage(), item);
        m_dialog->show();
        return m_dialog.get();
    }
    StatMethodRef ref(const char* code) {
        return refOf(workspace.stats(), workspace.stats().IndexOfCode(code));
    }

    QTemporaryDir dir;
    ScriptedUserInterface ui;
    Shell shell;
    Workspace workspace;

private:
    std::unique_ptr<FilterDialog> m_dialog;
};

template <typename T>
T* field(QDialog* dialog, const char* name) {
    return dialog->findChild<T*>(QString::fromUtf8(name));
}

void clickOk(QDialog* dialog) {
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

}  // namespace

class FilterDialogTest : public QObject {
    Q_OBJECT

private slots:
    void preparesFromTheStatisticsPage();
    void keepsAnItemThroughLoadAndOk();
    void refusesWhatCannotBeApplied_data();
    void refusesWhatCannotBeApplied();
    void overrideServesOnlyTheWeightModes();
    void valueFieldsTakeOnlyListCharacters();
};

void FilterDialogTest::preparesFromTheStatisticsPage() {
    Fixture f;
    f.workspace.statPage().setChoiceIndex(2);
    f.workspace.statPage().setLength(250);
    FilterDialog* d = f.dialog();
    QCOMPARE(d->windowTitle(), QStringLiteral("Фильтр"));
    auto* method = field<QComboBox>(d, "cbMethod");
    QCOMPARE(method->count(), static_cast<int>(f.workspace.statPage().choices().size()));
    QCOMPARE(method->currentIndex(), 2);
    QCOMPARE(method->currentText(),
             QString::fromStdString(f.workspace.statPage().choiceCaption(2)));
    QCOMPARE(field<QLineEdit>(d, "edDrawsLen")->text(), QStringLiteral("250"));
    QCOMPARE(field<QComboBox>(d, "cbSortOrder")->count(), 20);
    QCOMPARE(field<QComboBox>(d, "cbSortOrder")->currentText(), QStringLiteral("Количество"));
    QCOMPARE(field<QComboBox>(d, "cbLevelMode")->count(), 32);
    QCOMPARE(field<QComboBox>(d, "cbLevelMode")->currentText(),
             QStringLiteral("Весь список (без условий)"));
    QCOMPARE(field<QComboBox>(d, "cbStopMode")->count(), 6);
    QCOMPARE(field<QComboBox>(d, "cbStopMode")->currentText(),
             QStringLiteral("Обработать все записи"));
    QCOMPARE(field<QSpinBox>(d, "edStopValue")->value(), 1);
    // The global weights show while the item has none of its own.
    QCOMPARE(field<QDoubleSpinBox>(d, "edCoefDeviation")->value(), -1.0);
    QCOMPARE(field<QDoubleSpinBox>(d, "edCoefLevel")->value(), 1.0);
}

void FilterDialogTest::keepsAnItemThroughLoadAndOk() {
    Fixture f;
    TFilterItem item;
    item.Active = true;
    item.Method = f.ref("SMAL");
    item.DrawsLen = "10, 20";
    item.SortOrder = 6;
    item.BottomUp = true;
    item.MultiSelect = true;
    item.KeepSelected = true;
    item.LevelMode = 20;
    item.LevelValue = "5";
    item.Weights = {true, 1.5L, 2, 3, true, false};
    item.StopMode = 3;
    item.StopValue = 7;
    item.MethodText = "SMAL:10, 20";
    FilterDialog* d = f.dialog(item);
    QCOMPARE(field<QComboBox>(d, "cbLevelMode")->currentIndex(), 20);
    QCOMPARE(field<QDoubleSpinBox>(d, "edCoefCount")->value(), 1.5);
    clickOk(d);
    QCOMPARE(d->result(), static_cast<int>(QDialog::Accepted));
    // Every field comes back from its control; the scenario text does not.
    TFilterItem expected = item;
    expected.MethodText.clear();
    QCOMPARE(FilterItemToText(d->item()), FilterItemToText(expected));
    QVERIFY(d->item().MethodText.empty());
    QCOMPARE(d->item().Weights.CoefPercents, true);

    // An empty length keeps the page's length; an unknown method the first item.
    item.DrawsLen.clear();
    item.Method = {};
    d = f.dialog(item);
    QCOMPARE(field<QLineEdit>(d, "edDrawsLen")->text(), QStringLiteral("1000"));
    QCOMPARE(field<QComboBox>(d, "cbMethod")->currentIndex(), 0);
}

void FilterDialogTest::refusesWhatCannotBeApplied_data() {
    QTest::addColumn<QString>("drawsLen");
    QTest::addColumn<int>("levelMode");
    QTest::addColumn<QString>("levelValue");
    QTest::addColumn<bool>("multiSelect");
    QTest::addColumn<int>("stopMode");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");

    const QString badRange = QStringLiteral("Введен некорректный диапазон значений!");
    QTest::newRow("length zero") << "0" << 0 << "" << false << 0 << badRange << "edDrawsLen";
    QTest::newRow("range without step")
        << "1-10" << 0 << "" << false << 0 << badRange << "edDrawsLen";
    QTest::newRow("level without values")
        << "100" << 13 << ";" << false << 0 << badRange << "edLevelValue";
    QTest::newRow("multi-select stops by count")
        << "100" << 0 << "" << true << 1
        << QStringLiteral(
               "В режиме мультивыделения остановка сценария по количеству комбинаций "
               "или чисел не может быть выполнена!\rВыберите другой способ останова.")
        << "cbStopMode";
}

void FilterDialogTest::refusesWhatCannotBeApplied() {
    QFETCH(QString, drawsLen);
    QFETCH(int, levelMode);
    QFETCH(QString, levelValue);
    QFETCH(bool, multiSelect);
    QFETCH(int, stopMode);
    QFETCH(QString, message);
    QFETCH(QString, focused);

    Fixture f;
    FilterDialog* d = f.dialog();
    field<QLineEdit>(d, "edDrawsLen")->setText(drawsLen);
    field<QComboBox>(d, "cbLevelMode")->setCurrentIndex(levelMode);
    field<QLineEdit>(d, "edLevelValue")->setText(levelValue);
    field<QCheckBox>(d, "cbMultiSelect")->setChecked(multiSelect);
    field<QComboBox>(d, "cbStopMode")->setCurrentIndex(stopMode);
    clickOk(d);
    QVERIFY(d->isVisible());
    QCOMPARE(d->result(), 0);
    QCOMPARE(f.ui.messages.size(), size_t{1});
    QCOMPARE(f.ui.messages[0].kind, MessageKind::Error);
    QCOMPARE(QString::fromStdString(f.ui.messages[0].text), message);
    QCOMPARE(d->focusWidget()->objectName(), focused);

    // "0, 5" is a list with a usable length, single-select may stop by count.
    field<QLineEdit>(d, "edDrawsLen")->setText(QStringLiteral("0, 5"));
    field<QLineEdit>(d, "edLevelValue")->setText(QStringLiteral("1-9;2"));
    field<QCheckBox>(d, "cbMultiSelect")->setChecked(false);
    clickOk(d);
    QCOMPARE(d->result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(f.ui.messages.size(), size_t{1});
}

void FilterDialogTest::overrideServesOnlyTheWeightModes() {
    Fixture f;
    FilterDialog* d = f.dialog();
    auto* level = field<QComboBox>(d, "cbLevelMode");
    auto* override = field<QCheckBox>(d, "cbOverride");
    const QStringList coefficients = {"edCoefCount", "edCoefDeviation", "edCoefLevel",
                                      "cbCoefPercents", "cbCoefAbs"};
    auto coefficientsEnabled = [&] {
        int enabled = 0;
        for (const QString& name : coefficients) {
            enabled += d->findChild<QWidget*>(name)->isEnabled() ? 1 : 0;
        }
        return enabled;
    };
    QVERIFY(!override->isEnabled());
    QCOMPARE(coefficientsEnabled(), 0);

    level->setCurrentIndex(19);
    QVERIFY(override->isEnabled());
    QCOMPARE(coefficientsEnabled(), 0);
    override->click();
    QCOMPARE(coefficientsEnabled(), 5);
    field<QDoubleSpinBox>(d, "edCoefCount")->setValue(2.5);

    level->setCurrentIndex(13);
    QVERIFY(!override->isEnabled());
    QCOMPARE(coefficientsEnabled(), 0);
    level->setCurrentIndex(21);
    QCOMPARE(coefficientsEnabled(), 5);

    // Mode 13 keeps the override as last shown.
    level->setCurrentIndex(13);
    field<QLineEdit>(d, "edLevelValue")->setText(QStringLiteral("4"));
    clickOk(d);
    QCOMPARE(d->result(), static_cast<int>(QDialog::Accepted));
    QVERIFY(d->item().Weights.CDLOverride);
    QCOMPARE(static_cast<double>(d->item().Weights.CoefCount), 2.5);
}

void FilterDialogTest::valueFieldsTakeOnlyListCharacters() {
    Fixture f;
    FilterDialog* d = f.dialog();
    for (const char* name : {"edDrawsLen", "edLevelValue"}) {
        auto* edit = field<QLineEdit>(d, name);
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("1a2; 3-x5,.9"));
        QCOMPARE(edit->text(), QStringLiteral("12;3-5,9"));
        // Pasted text is not filtered.
        edit->clear();
        edit->insert(QStringLiteral("x y"));
        QCOMPARE(edit->text(), QStringLiteral("x y"));
    }
}

int runFilterDialogTests(int argc, char** argv) {
    FilterDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "filter_dialog_test.moc"
