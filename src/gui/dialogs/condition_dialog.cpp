// SPDX-License-Identifier: GPL-3.0-or-later
// The delete-by-condition dialog: the comparison and the match count.
#include "dialogs/condition_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "button_texts.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "stakes/stake_texts.h"

namespace pentad {

ConditionDialog::ConditionDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(uiText(texts::kConditionDialogCaption));
    m_mode = new QComboBox(this);
    m_mode->setObjectName(QStringLiteral("cbMode"));
    for (const char* caption : texts::kConditionCaptions) {
        m_mode->addItem(uiText(caption));
    }
    m_mode->setCurrentIndex(0);
    m_value = new QSpinBox(this);
    m_value->setObjectName(QStringLiteral("edValue"));
    m_value->setRange(0, 5);
    m_value->setValue(0);
    auto* label = new QLabel(uiText(texts::kConditionLabel), this);
    label->setBuddy(m_mode);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_mode, 1);
    row->addWidget(m_value);

    QDialogButtonBox* buttons = dialogButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addSpacing(8);
    layout->addWidget(buttons);
}

int ConditionDialog::mode() const {
    return m_mode->currentIndex();
}

int ConditionDialog::value() const {
    return m_value->value();
}

}  // namespace pentad
