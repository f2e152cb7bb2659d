// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt side of the core/UI interface: the standard boxes with their
// captions, line breaks and default buttons, the progress window, the status
// line and the cursor while busy.
#include "qt_user_interface.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include "gui_tests.h"
#include "modal_script.h"
#include "shell/shell.h"

namespace pentad::test {
namespace {

struct BoxSeen {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString defaultButton;
    QStringList buttons;
};

// Records the next message box and closes it with `answer` (or Escape).
void recordNextBox(BoxSeen* seen, QMessageBox::StandardButton answer = QMessageBox::NoButton) {
    onNextModal<QMessageBox>([seen, answer](QMessageBox* box) {
        seen->caption = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        for (QAbstractButton* b : box->buttons()) {
            seen->buttons << b->text();
        }
        if (answer == QMessageBox::NoButton) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            box->button(answer)->click();
        }
    });
}

}  // namespace

class QtUserInterfaceTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxesCarryTheirCaptionAndLineBreaks_data();
    void messageBoxesCarryTheirCaptionAndLineBreaks();
    void confirmationsHonourTheDefaultAndEscapeSaysNo();
    void progressWindowHasNoCancelAndStopsAtItsMaximum();
    void statusTextAndBusyCursor();
    void waitWindowStepsAsideForAQuestion();
};

void QtUserInterfaceTest::messageBoxesCarryTheirCaptionAndLineBreaks_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("icon");
    QTest::newRow("error") << int(MessageKind::Error) << "Ошибка" << int(QMessageBox::Critical);
    QTest::newRow("information") << int(MessageKind::Information) << "Информация"
                                 << int(QMessageBox::Information);
    QTest::newRow("attention") << int(MessageKind::Attention) << "Внимание!"
                               << int(QMessageBox::Warning);
    QTest::newRow("warning") << int(MessageKind::Warning) << "Предупреждение"
                             << int(QMessageBox::Warning);
}

void QtUserInterfaceTest::messageBoxesCarryTheirCaptionAndLineBreaks() {
    QFETCH(int, kind);
    QFETCH(QString, caption);
    QFETCH(int, icon);
    QtUserInterface ui;
    BoxSeen seen;
    recordNextBox(&seen, QMessageBox::Ok);
    ui.message(static_cast<MessageKind>(kind), "Ошибка чтения файла тиражей!\r\rнет доступа");
    QCOMPARE(seen.caption, caption);
    QCOMPARE(seen.text, QStringLiteral("Ошибка чтения файла тиражей!\n\nнет доступа"));
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(seen.buttons, QStringList{"OK"});
}

void QtUserInterfaceTest::confirmationsHonourTheDefaultAndEscapeSaysNo() {
    QtUserInterface ui;
    Shell shell(ui);

    BoxSeen seen;
    recordNextBox(&seen);
    QVERIFY(!shell.confirmDelete(3));
    QCOMPARE(seen.caption, QStringLiteral("Предупреждение"));
    QCOMPARE(seen.text,
             QStringLiteral("Удалить все выделенные записи (всего будет удалено 3 записи(ей))?"));
    QCOMPARE(seen.defaultButton, QStringLiteral("Нет"));
    QCOMPARE(seen.buttons.size(), 2);
    QVERIFY(seen.buttons.contains(QStringLiteral("Да")));

    BoxSeen yes;
    recordNextBox(&yes, QMessageBox::Yes);
    QVERIFY(shell.confirm("Продолжить?"));
    QCOMPARE(yes.caption, QStringLiteral("Подтверждение"));
    QCOMPARE(yes.defaultButton, QStringLiteral("Да"));

    BoxSeen no;
    recordNextBox(&no, QMessageBox::No);
    QVERIFY(!shell.confirmNo("Продолжить?"));
    QCOMPARE(no.defaultButton, QStringLiteral("Нет"));
}

void QtUserInterfaceTest::progressWindowHasNoCancelAndStopsAtItsMaximum() {
    QtUserInterface ui;
    Shell shell(ui);
    shell.startProgress("", 5);
    QProgressDialog* progress = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* p = qobject_cast<QProgressDialog*>(w); p != nullptr && p->isVisible()) {
            progress = p;
        }
    }
    QVERIFY(progress != nullptr);
    QCOMPARE(progress->labelText(), QStringLiteral("Подождите пожалуйста..."));
    QVERIFY(progress->findChild<QPushButton*>() == nullptr);
    QCOMPARE(progress->maximum(), 5);

    shell.stepProgress(3);
    shell.stepProgress(3);
    QCOMPARE(progress->value(), 5);
    shell.setProgressText("Шаг 2");
    QCOMPARE(progress->labelText(), QStringLiteral("Шаг 2"));

    QPointer<QProgressDialog> guard(progress);
    shell.endProgress();
    QVERIFY(guard.isNull());
}

void QtUserInterfaceTest::statusTextAndBusyCursor() {
    QtUserInterface ui;
    Shell shell(ui);
    QLabel panel;
    ui.setStatusPanel(&panel);
    shell.setStatus("Загрузка файла тиражей...");
    QCOMPARE(panel.text(), QStringLiteral("Загрузка файла тиражей..."));

    QCOMPARE(QApplication::overrideCursor(), nullptr);
    {
        BusyScope outer(shell);
        BusyScope inner(shell);
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void QtUserInterfaceTest::waitWindowStepsAsideForAQuestion() {
    QtUserInterface ui;
    ui.showWait("Загрузка архива тиражей...\r\rПопытка 2, proxy h : 80");
    auto visibleWait = [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* label = qobject_cast<QLabel*>(w);
            if (label != nullptr && label->isVisible()) {
                return label->text();
            }
        }
        return QString();
    };
    QCOMPARE(visibleWait(),
             QStringLiteral("Загрузка архива тиражей...\n\nПопытка 2, proxy h : 80"));
    QString duringQuestion = QStringLiteral("(not asked)");
    onNextModal<QMessageBox>([&](QMessageBox* box) {
        duringQuestion = visibleWait();
        box->button(QMessageBox::Yes)->click();
    });
    QVERIFY(ui.confirm("Ошибка", "Повторить попытку?", true));
    QCOMPARE(duringQuestion, QString());
    QVERIFY(!visibleWait().isEmpty());
    ui.closeWait();
    QCOMPARE(visibleWait(), QString());
}

int runQtUserInterfaceTests(int argc, char** argv) {
    QtUserInterfaceTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "qt_user_interface_test.moc"
