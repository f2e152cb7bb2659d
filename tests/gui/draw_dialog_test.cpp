// SPDX-License-Identifier: GPL-3.0-or-later
// The draw dialog: which digit texts it refuses and how, what it prefills
// from a record, and the record it gives back.
#include "dialogs/draw_dialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimeEdit>

#include "game/records.h"
#include "gui_tests.h"
#include "scripted_user_interface.h"
#include "shell/shell.h"

namespace pentad::test {
namespace {

using Digits = std::array<uint8_t, kPositions>;

TDrawRec makeDraw(int number, Digits digits, const char* date) {
    TDrawRec draw;
    draw.Number = number;
    draw.Digits = digits;
    draw.setDateText(date);
    return draw;
}

QLineEdit* digitsField(DrawDialog& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("edDigits"));
}

void clickOk(DrawDialog& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QVERIFY(buttons != nullptr);
    buttons->button(QDialogButtonBox::Ok)->click();
}

}  // namespace

class DrawDialogTest : public QObject {
    Q_OBJECT

private slots:
    void refusesTextsThatAreNotFiveDigits_data();
    void refusesTextsThatAreNotFiveDigits();
    void acceptsDigitTexts_data();
    void acceptsDigitTexts();
    void prefillsFieldsFromTheRecord();
    void writesDrawDateTextFromDateAndTime();
    void hiddenDateKeepsTheDateText();
};

void DrawDialogTest::refusesTextsThatAreNotFiveDigits_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("four digits") << "1;2;3;4";
    QTest::newRow("digit out of range") << "1;2;3;4;12";
    QTest::newRow("six digits") << "1,2,3,4,5,6";
    QTest::newRow("negative digit") << "1;2;3;4;-1";
}

void DrawDialogTest::refusesTextsThatAreNotFiveDigits() {
    QFETCH(QString, text);
    ScriptedUserInterface ui;
    Shell shell(ui);
    DrawDialog dialog(shell, makeDraw(7, {}, ""), true);
    dialog.show();
    digitsField(dialog)->setText(text);
    clickOk(dialog);

    QCOMPARE(ui.messages.size(), size_t{1});
    QCOMPARE(ui.messages[0].kind, MessageKind::Error);
    QCOMPARE(QString::fromStdString(ui.messages[0].text),
             QStringLiteral("Введена некорректная комбинация!"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.focusWidget(), digitsField(dialog));
}

void DrawDialogTest::acceptsDigitTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("digits");
    QTest::newRow("commas and blanks") << "1, 2, 3, 4, 5" << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("semicolons") << "9;0;0;7;3" << QList<int>{9, 0, 0, 7, 3};
    QTest::newRow("mixed separators") << " 4 ;4,4; 4 ,4 " << QList<int>{4, 4, 4, 4, 4};
    QTest::newRow("word reads as zero") << "1;2;3;4;x" << QList<int>{1, 2, 3, 4, 0};
}

void DrawDialogTest::acceptsDigitTexts() {
    QFETCH(QString, text);
    QFETCH(QList<int>, digits);
    ScriptedUserInterface ui;
    Shell shell(ui);
    DrawDialog dialog(shell, makeDraw(9124, {}, "01/31/2024 E"), true);
    dialog.show();
    digitsField(dialog)->setText(text);
    clickOk(dialog);

    QVERIFY(ui.messages.empty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.draw().Number, 9124);
    for (int p = 0; p < kPositions; ++p) {
        QCOMPARE(int(dialog.draw().Digits[static_cast<size_t>(p)]), digits[p]);
    }
}

void DrawDialogTest::prefillsFieldsFromTheRecord() {
    ScriptedUserInterface ui;
    Shell shell(ui);
    {
        DrawDialog dialog(shell, makeDraw(9124, {0, 4, 4, 9, 1}, "01/31/2024 E"), true);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Введите данные следующего тиража"));
        QCOMPARE(dialog.findChild<QSpinBox*>(QStringLiteral("edNumber"))->value(), 9124);
        QCOMPARE(dialog.findChild<QSpinBox*>(QStringLiteral("edNumber"))->maximum(), 2147483647);
        QCOMPARE(digitsField(dialog)->text(), QStringLiteral("0;4;4;9;1"));
        QCOMPARE(dialog.findChild<QDateEdit*>(QStringLiteral("edDate"))->date(),
                 QDate(2024, 1, 31));
        QCOMPARE(dialog.findChild<QTimeEdit*>(QStringLiteral("edTime"))->time(), QTime(19, 57));
    }
    {
        // A new draw has no date yet: the fields start at the current time.
        DrawDialog dialog(shell, makeDraw(1, {}, ""), true);
        QCOMPARE(digitsField(dialog)->text(), QStringLiteral("0;0;0;0;0"));
        QDateTime shown(dialog.findChild<QDateEdit*>(QStringLiteral("edDate"))->date(),
                        dialog.findChild<QTimeEdit*>(QStringLiteral("edTime"))->time());
        QVERIFY(qAbs(shown.secsTo(QDateTime::currentDateTime())) < 120);
    }
}

void DrawDialogTest::writesDrawDateTextFromDateAndTime() {
    ScriptedUserInterface ui;
    Shell shell(ui);
    struct Case {
        QTime time;
        const char* text;
    };
    for (const Case& c : {Case{QTime(13, 0), "02/29/2024 M"}, Case{QTime(19, 57), "02/29/2024 E"},
                          Case{QTime(0, 30), "02/29/2024 E"}}) {
        DrawDialog dialog(shell, makeDraw(5, {1, 2, 3, 4, 5}, "01/01/2020 M"), true);
        dialog.show();
        dialog.findChild<QDateEdit*>(QStringLiteral("edDate"))->setDate(QDate(2024, 2, 29));
        dialog.findChild<QTimeEdit*>(QStringLiteral("edTime"))->setTime(c.time);
        dialog.findChild<QSpinBox*>(QStringLiteral("edNumber"))->setValue(77);
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(dialog.draw().dateText()), QString::fromUtf8(c.text));
        QCOMPARE(dialog.draw().Number, 77);
    }
}

void DrawDialogTest::hiddenDateKeepsTheDateText() {
    ScriptedUserInterface ui;
    Shell shell(ui);
    DrawDialog dialog(shell, makeDraw(5, {1, 2, 3, 4, 5}, "text kept"), false);
    dialog.show();
    QVERIFY(dialog.findChild<QDateEdit*>() == nullptr);
    digitsField(dialog)->setText(QStringLiteral("5;4;3;2;1"));
    clickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(dialog.draw().dateText()), QStringLiteral("text kept"));
}

int runDrawDialogTests(int argc, char** argv) {
    DrawDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "draw_dialog_test.moc"
