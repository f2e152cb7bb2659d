// SPDX-License-Identifier: GPL-3.0-or-later
// The batch stake dialog: first draw, comment and number of draws, the
// comment required on OK.
#include "dialogs/multi_stake_dialog.h"

#include <limits>

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "button_texts.h"
#include "dialogs/dialog_error.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "stakes/stake_texts.h"

namespace pentad {

namespace {

// The longest comment the stake dialogs let the user type.
constexpr int kCommentLength = 64;

}  // namespace

MultiStakeDialog::MultiStakeDialog(int drawNumber, const std::string& comment, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(uiText(texts::kMultiStakeDialogCaption));

    m_drawNumber = new QSpinBox(this);
    m_drawNumber->setObjectName(QStringLiteral("edDrawNumber"));
    m_drawNumber->setRange(1, std::numeric_limits<int>::max());
    m_drawNumber->setValue(drawNumber);
    m_drawNumber->setMinimumWidth(120);

    m_comment = new QLineEdit(this);
    m_comment->setObjectName(QStringLiteral("edComment"));
    m_comment->setMaxLength(kCommentLength);
    m_comment->setText(toQString(comment));

    m_draws = new QSpinBox(this);
    m_draws->setObjectName(QStringLiteral("edDraws"));
    m_draws->setRange(1, 65535);
    m_draws->setValue(1);
    m_draws->setMinimumWidth(120);

    // Long captions read best above their fields.
    auto* layout = new QVBoxLayout(this);
    auto addField = [&](const char* caption, QWidget* field) {
        auto* label = new QLabel(uiText(caption), this);
        label->setBuddy(field);
        layout->addWidget(label);
        auto* row = new QHBoxLayout;
        row->addWidget(field, field == m_comment ? 1 : 0);
        if (field != m_comment) {
            row->addStretch(1);
        }
        layout->addLayout(row);
    };
    addField(texts::kStakeDialogDraw, m_drawNumber);
    addField(texts::kStakeDialogComment, m_comment);
    addField(texts::kStakeDialogDraws, m_draws);

    QDialogButtonBox* buttons = dialogButtons(*this);

    layout->addSpacing(8);
    layout->addWidget(buttons);
    m_comment->setFocus();
    m_comment->selectAll();
    setMinimumWidth(460);
}

std::optional<MultiStakeInput> MultiStakeDialog::ask(QWidget* parent, int drawNumber,
                                                     const std::string& comment) {
    MultiStakeDialog dialog(drawNumber, comment, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.input();
}

MultiStakeInput MultiStakeDialog::input() const {
    return {m_drawNumber->value(), m_draws->value(), toStdString(m_comment->text())};
}

void MultiStakeDialog::accept() {
    if (m_comment->text().trimmed().isEmpty()) {
        showDialogError(this, texts::kNeedComment);
        m_comment->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace pentad
