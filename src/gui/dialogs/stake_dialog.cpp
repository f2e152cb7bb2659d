// SPDX-License-Identifier: GPL-3.0-or-later
// The manual stake dialog: fields prefilled from the stake, the running sum
// and the checks on OK.
#include "dialogs/stake_dialog.h"

#include <algorithm>
#include <limits>
#include <optional>

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStringList>
#include <QVBoxLayout>

#include "button_texts.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "shell/shell.h"
#include "stakes/regular_stakes.h"
#include "stakes/stake_texts.h"

namespace pentad {
namespace {

constexpr int kCommentLength = 64;

QString stakeDigitsText(const TNumberSet& digits) {
    QStringList words;
    for (int i = 0; i < digits.Count && i < static_cast<int>(digits.Digits.size()); ++i) {
        words.append(QString::number(digits.Digits[static_cast<size_t>(i)]));
    }
    return words.join(QLatin1Char(';'));
}

}  // namespace

StakeDialog::StakeDialog(Shell& shell, const TStakeRec& stake, QWidget* parent)
    : QDialog(parent), m_shell(shell), m_stake(stake) {
    setWindowTitle(uiText(texts::kStakeDialogCaption));

    m_drawNumber = new QSpinBox(this);
    m_drawNumber->setObjectName(QStringLiteral("edDrawNumber"));
    m_drawNumber->setRange(1, std::numeric_limits<int>::max());
    m_drawNumber->setValue(stake.DrawNumber);
    m_drawNumber->setMinimumWidth(120);

    m_digits = new QLineEdit(this);
    m_digits->setObjectName(QStringLiteral("edDigits"));
    m_digits->setText(stakeDigitsText(stake.Stake));

    m_sum = new QLineEdit(this);
    m_sum->setObjectName(QStringLiteral("edSum"));
    m_sum->setReadOnly(true);
    m_sum->setFocusPolicy(Qt::NoFocus);
    m_sum->setMaximumWidth(60);

    m_comment = new QLineEdit(this);
    m_comment->setObjectName(QStringLiteral("edComment"));
    m_comment->setMaxLength(kCommentLength);
    m_comment->setText(toQString(stake.Comment));

    m_draws = new QSpinBox(this);
    m_draws->setObjectName(QStringLiteral("edDraws"));
    m_draws->setRange(1, 65535);
    m_draws->setValue(1);
    m_draws->setMinimumWidth(120);

    // Long captions read best above their fields.
    auto* layout = new QVBoxLayout(this);
    auto addField = [&](const char* caption, QWidget* field, QWidget* beside = nullptr) {
        auto* label = new QLabel(uiText(caption), this);
        label->setBuddy(field);
        layout->addWidget(label);
        auto* row = new QHBoxLayout;
        row->addWidget(field, field == m_comment || field == m_digits ? 1 : 0);
        if (beside != nullptr) {
            row->addSpacing(12);
            row->addWidget(new QLabel(uiText(texts::kStakeDialogSum), this));
            row->addWidget(beside);
        }
        if (field != m_comment && field != m_digits) {
            row->addStretch(1);
        }
        layout->addLayout(row);
    };
    addField(texts::kStakeDialogDraw, m_drawNumber);
    addField(texts::kStakeDialogDigits, m_digits, m_sum);
    addField(texts::kStakeDialogComment, m_comment);
    addField(texts::kStakeDialogDraws, m_draws);

    QDialogButtonBox* buttons = dialogButtons(*this);

    layout->addSpacing(8);
    layout->addWidget(buttons);

    connect(m_digits, &QLineEdit::textChanged, this, &StakeDialog::updateSum);
    updateSum();
    m_digits->setFocus();
    m_digits->selectAll();
    setMinimumWidth(460);
}

int StakeDialog::draws() const {
    return m_draws->value();
}

void StakeDialog::updateSum() {
    // Every word that reads as a number counts, whether or not the whole
    // text is a valid combination yet.
    long long sum = 0;
    const QStringList words =
        m_digits->text().split(QRegularExpression(QStringLiteral("[;,]")), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        bool ok = false;
        const int value = word.trimmed().toInt(&ok);
        if (ok) {
            sum += value;
        }
    }
    m_sum->setText(QString::number(sum));
}

void StakeDialog::accept() {
    std::array<uint8_t, 5> digits{};
    // The rule checks are the same as for a stake, with no rules to clash.
    const std::optional<std::string> refused = validateRule(
        toStdString(m_comment->text()), true, toStdString(m_digits->text()), {}, &digits);
    if (refused) {
        m_shell.error(*refused);
        QLineEdit* field = *refused == texts::kNeedComment ? m_comment : m_digits;
        field->setFocus();
        field->selectAll();
        return;
    }
    m_stake.DrawNumber = m_drawNumber->value();
    m_stake.Stake.Count = 5;
    m_stake.Stake.Digits.fill(0);
    std::copy(digits.begin(), digits.end(), m_stake.Stake.Digits.begin());
    m_stake.Comment = toStdString(m_comment->text());
    QDialog::accept();
}

}  // namespace pentad
