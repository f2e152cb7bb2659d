// SPDX-License-Identifier: GPL-3.0-or-later
// The shredding formulas dialog: a row per formula with its decimals, and a
// warning under a formula the evaluator cannot read.
#include "dialogs/shredding_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "button_texts.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "stats/formula.h"
#include "stats/stat_texts.h"

namespace pentad {

ShreddingDialog::ShreddingDialog(const std::array<std::string, 3>& formulas,
                                 const std::array<uint8_t, 3>& digits, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(uiText(texts::kShreddingCaption));
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<size_t>(i);
        auto* formula = new QLineEdit(toQString(formulas[k]), this);
        formula->setObjectName(QStringLiteral("edFormula%1").arg(i + 1));
        formula->setToolTip(uiText(texts::kShreddingFormulaHint));
        formula->setMinimumWidth(280);
        auto* decimals = new QSpinBox(this);
        decimals->setObjectName(QStringLiteral("edFormulaDigits%1").arg(i + 1));
        decimals->setToolTip(uiText(texts::kShreddingDigitsHint));
        decimals->setRange(1, 5);
        decimals->setValue(digits[k]);
        auto* label =
            new QLabel(uiText(format(texts::kShreddingFormulaLabel, i + 1)), this);
        label->setBuddy(formula);
        auto* warning = new QLabel(this);
        warning->setObjectName(QStringLiteral("lbFormulaWarning%1").arg(i + 1));
        warning->setStyleSheet(QStringLiteral("color: #b00000"));
        warning->setVisible(false);

        grid->addWidget(label, 2 * i, 0);
        grid->addWidget(formula, 2 * i, 1);
        grid->addWidget(decimals, 2 * i, 2);
        grid->addWidget(warning, 2 * i + 1, 1, 1, 2);
        m_formulas[k] = formula;
        m_digits[k] = decimals;
        m_warnings[k] = warning;
        connect(formula, &QLineEdit::textChanged, this, [this, i] { showReadability(i); });
        showReadability(i);
    }

    auto* note = new QLabel(displayText(texts::kShreddingVariables), this);
    note->setObjectName(QStringLiteral("lbVariables"));

    QDialogButtonBox* buttons = dialogButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(note);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    m_formulas[0]->setFocus();
}

std::array<std::string, 3> ShreddingDialog::formulas() const {
    std::array<std::string, 3> result;
    for (size_t k = 0; k < 3; ++k) {
        result[k] = toStdString(m_formulas[k]->text());
    }
    return result;
}

std::array<uint8_t, 3> ShreddingDialog::digits() const {
    std::array<uint8_t, 3> result{};
    for (size_t k = 0; k < 3; ++k) {
        result[k] = static_cast<uint8_t>(m_digits[k]->value());
    }
    return result;
}

void ShreddingDialog::showReadability(int i) {
    const auto k = static_cast<size_t>(i);
    const std::string text = toStdString(m_formulas[k]->text());
    std::optional<size_t> at = formulaSyntaxError(text);
    QLabel* warning = m_warnings[k];
    if (at) {
        // The position counts characters, as the user sees them.
        const int column = static_cast<int>(utf8Length(text.substr(0, *at))) + 1;
        warning->setText(uiText(format(texts::kShreddingUnreadable, i + 1, column)));
    }
    warning->setVisible(at.has_value());
}

}  // namespace pentad
