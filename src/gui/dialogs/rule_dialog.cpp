// SPDX-License-Identifier: GPL-3.0-or-later
// The regular stake rule dialog: the start field follows the choice of
// start, and OK runs the checks of the rule list.
#include "dialogs/rule_dialog.h"

#include <optional>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "button_texts.h"
#include "game/game_texts.h"
#include "game/routines.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "shell/shell.h"
#include "stakes/stake_texts.h"

namespace pentad {
namespace {

constexpr int kCommentLength = 64;

}  // namespace

RuleDialog::RuleDialog(Shell& shell, const TTableRec& rule, const TTableArray& rules,
                       int selectedCount, QWidget* parent)
    : QDialog(parent),
      m_shell(shell),
      m_rule(rule),
      m_rules(rules),
      m_selectedCount(selectedCount),
      m_startText(toQString(digitsToText(rule.Start, ";"))) {
    setWindowTitle(uiText(texts::kRuleDialogCaption));

    m_comment = new QLineEdit(this);
    m_comment->setObjectName(QStringLiteral("edComment"));
    m_comment->setMaxLength(kCommentLength);
    m_comment->setText(toQString(rule.Comment));

    m_constant = new QRadioButton(uiText(texts::kRuleConstantStart), this);
    m_constant->setObjectName(QStringLiteral("rbConstant"));
    m_fromDraw = new QRadioButton(uiText(texts::kRuleFromDraw), this);
    m_fromDraw->setObjectName(QStringLiteral("rbFromDraw"));
    (rule.FromDraw != 0 ? m_fromDraw : m_constant)->setChecked(true);

    m_start = new QLineEdit(this);
    m_start->setObjectName(QStringLiteral("edStart"));

    m_step = new QSpinBox(this);
    m_step->setObjectName(QStringLiteral("edStep"));
    m_step->setRange(-9, 9);
    m_step->setValue(rule.Step);

    auto* form = new QFormLayout;
    form->addRow(uiText(texts::kRuleCommentLabel), m_comment);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_constant);
    auto* startRow = new QFormLayout;
    startRow->setContentsMargins(20, 0, 0, 0);
    startRow->addRow(m_start);
    layout->addLayout(startRow);
    layout->addWidget(m_fromDraw);
    auto* stepForm = new QFormLayout;
    stepForm->addRow(uiText(texts::kRuleStepLabel), m_step);
    layout->addLayout(stepForm);

    QDialogButtonBox* buttons = dialogButtons(*this);
    layout->addSpacing(8);
    layout->addWidget(buttons);

    connect(m_constant, &QRadioButton::toggled, this, &RuleDialog::updateStartField);
    updateStartField();
    m_comment->setFocus();
    m_comment->selectAll();
    setMinimumWidth(440);
}

bool RuleDialog::startEditable() const {
    return m_selectedCount == 1 && m_constant->isChecked();
}

void RuleDialog::updateStartField() {
    if (m_startShown) {
        m_startText = m_start->text();
    }
    const bool editable = startEditable();
    m_startShown = editable;
    m_start->setEnabled(editable);
    m_start->setText(editable ? m_startText : uiText(texts::kRuleSelectedCombs));
}

void RuleDialog::accept() {
    const bool editable = startEditable();
    std::array<uint8_t, 5> start = m_rule.Start;
    const std::optional<std::string> refused = validateRule(
        toStdString(m_comment->text()), editable, toStdString(m_start->text()), m_rules, &start);
    if (refused) {
        m_shell.error(*refused);
        QLineEdit* field = *refused == texts::kBadDrawDigits ? m_start : m_comment;
        field->setFocus();
        field->selectAll();
        return;
    }
    m_rule.Comment = toStdString(m_comment->text());
    m_rule.FromDraw = m_fromDraw->isChecked() ? 1 : 0;
    m_rule.Step = m_step->value();
    m_rule.Start = start;
    m_rule.Last = start;
    m_rule.Count = 0;
    QDialog::accept();
}

}  // namespace pentad
