// SPDX-License-Identifier: GPL-3.0-or-later
// The test-count dialog: one number within 1..maximum.
#include "dialogs/test_count_dialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "button_texts.h"
#include "qt_text.h"
#include "scenarios/scenario_texts.h"
#include "stakes/stake_texts.h"

namespace pentad {
namespace {

constexpr int kDefaultTests = 10;

}  // namespace

TestCountDialog::TestCountDialog(int maximum, QWidget* parent) : QDialog(parent) {
    setWindowTitle(uiText(texts::kTestCountCaption));
    maximum = std::max(1, maximum);
    m_count = new QSpinBox(this);
    m_count->setObjectName(QStringLiteral("edTestCount"));
    m_count->setRange(1, maximum);
    m_count->setValue(std::min(kDefaultTests, maximum));
    m_count->setMinimumWidth(120);
    auto* label = new QLabel(uiText(texts::kTestCountPrompt), this);
    label->setBuddy(m_count);

    QDialogButtonBox* buttons = dialogButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_count);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    m_count->setFocus();
    m_count->selectAll();
}

std::optional<int> TestCountDialog::ask(QWidget* parent, int maximum) {
    if (maximum < 1) {
        return std::nullopt;
    }
    TestCountDialog dialog(maximum, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.count();
}

int TestCountDialog::count() const {
    return m_count->value();
}

}  // namespace pentad
