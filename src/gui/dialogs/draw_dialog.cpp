// SPDX-License-Identifier: GPL-3.0-or-later
// The add/edit draw dialog: fields prefilled from the record, the digits
// checked on OK.
#include "dialogs/draw_dialog.h"

#include <limits>

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "button_texts.h"
#include "date_convert.h"
#include "game/date_time.h"
#include "game/draw_archive.h"
#include "game/game_texts.h"
#include "game/routines.h"
#include "qt_text.h"
#include "shell/shell.h"

namespace pentad {
namespace {

// The record's own date, or now when it has none or cannot be read.
DateTime initialDate(const TDrawRec& draw) {
    DateTime value = 0;
    try {
        value = DrawTextToDate(draw.dateText());
    } catch (const std::exception&) {
        value = 0;
    }
    // Below one day the text held no date part, only the draw's time.
    return value >= 1 ? value : nowDateTime();
}

QLabel* fieldLabel(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(uiText(text), parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

DrawDialog::DrawDialog(Shell& shell, const TDrawRec& draw, bool showDate, QWidget* parent)
    : QDialog(parent), m_shell(shell), m_draw(draw), m_showDate(showDate) {
    setWindowTitle(uiText(texts::kDrawDialogTitle));

    m_number = new QSpinBox(this);
    m_number->setObjectName(QStringLiteral("edNumber"));
    m_number->setRange(1, std::numeric_limits<int>::max());
    m_number->setValue(draw.Number);
    m_number->setMinimumWidth(120);

    m_digits = new QLineEdit(this);
    m_digits->setObjectName(QStringLiteral("edDigits"));
    m_digits->setText(toQString(digitsToText(draw.Digits, ";")));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fieldLabel(texts::kDrawDialogNumber, m_number, this));
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(m_number);
    numberRow->addStretch(1);
    layout->addLayout(numberRow);
    layout->addWidget(fieldLabel(texts::kDrawDialogDigits, m_digits, this));
    layout->addWidget(m_digits);

    if (m_showDate) {
        QDateTime initial = toQDateTime(initialDate(draw));
        m_date = new QDateEdit(initial.date(), this);
        m_date->setObjectName(QStringLiteral("edDate"));
        m_date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        m_date->setCalendarPopup(true);
        m_time = new QTimeEdit(initial.time(), this);
        m_time->setObjectName(QStringLiteral("edTime"));
        m_time->setDisplayFormat(QStringLiteral("HH:mm"));
        layout->addWidget(fieldLabel(texts::kDrawDialogDate, m_date, this));
        auto* dateRow = new QHBoxLayout;
        dateRow->addWidget(m_date);
        dateRow->addWidget(m_time);
        dateRow->addStretch(1);
        layout->addLayout(dateRow);
    }

    QDialogButtonBox* buttons = dialogButtons(*this);
    layout->addSpacing(8);
    layout->addWidget(buttons);

    m_digits->setFocus();
    m_digits->selectAll();
    setMinimumWidth(420);
}

void DrawDialog::accept() {
    std::optional<std::array<uint8_t, kPositions>> digits =
        parseDrawDigits(toStdString(m_digits->text()));
    if (!digits) {
        m_shell.error(texts::kBadDrawDigits);
        m_digits->setFocus();
        m_digits->selectAll();
        return;
    }
    m_draw.Number = m_number->value();
    m_draw.Digits = *digits;
    if (m_showDate) {
        m_draw.setDateText(DrawDateText(fromQDateTime(m_date->date(), m_time->time())));
    }
    QDialog::accept();
}

}  // namespace pentad
