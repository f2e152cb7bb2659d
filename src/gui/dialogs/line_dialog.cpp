// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario line dialog: option fields, the seven filter fields with
// their edit buttons, and the round trip of a field through the filter
// dialog.
#include "dialogs/line_dialog.h"

#include <algorithm>
#include <climits>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "button_texts.h"
#include "dialogs/filter_dialog.h"
#include "filters/filter_item.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "scenarios/scenario_texts.h"
#include "stats/stat_list.h"

namespace pentad {
namespace {

constexpr int kStartListCount = 3;
constexpr int kStakeModeCount = 9;

// "|" separates the fields of a line, so no field may hold one.
QValidator* fieldValidator(QObject* parent) {
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^|]*")), parent);
}

}  // namespace

LineDialog::LineDialog(Shell& shell, const TStatList& list, const StatPage& page,
                       const QString& title, const TScriptLine& line, QWidget* parent)
    : QDialog(parent), m_shell(shell), m_list(list), m_page(page) {
    setWindowTitle(title.isEmpty() ? uiText(texts::kLineDialogCaption) : title);

    m_comment = new QLineEdit(this);
    m_comment->setObjectName(QStringLiteral("edComment"));
    m_comment->setValidator(fieldValidator(m_comment));
    m_comment->setText(toQString(line.Comment));
    auto* commentLabel = new QLabel(uiText(texts::kLineComment), this);
    commentLabel->setBuddy(m_comment);

    m_startList = new QComboBox(this);
    m_startList->setObjectName(QStringLiteral("cbStartList"));
    for (const char* caption : texts::kStartDialogCaptions) {
        m_startList->addItem(uiText(caption));
    }
    m_startList->setCurrentIndex(
        line.Options.StartList < kStartListCount ? int{line.Options.StartList} : int{kStartFull});
    m_drawsExclude = new QSpinBox(this);
    m_drawsExclude->setObjectName(QStringLiteral("edDrawsExclude"));
    m_drawsExclude->setRange(0, INT_MAX);
    m_drawsExclude->setValue(std::max(0, int{line.Options.DrawsExclude}));
    m_drawsExclude->setMinimumWidth(80);

    m_stakeMode = new QComboBox(this);
    m_stakeMode->setObjectName(QStringLiteral("cbStakeMode"));
    for (const char* caption : texts::kStakeModeCaptions) {
        m_stakeMode->addItem(uiText(caption));
    }
    m_stakeMode->setCurrentIndex(
        line.Options.StakeMode < kStakeModeCount ? int{line.Options.StakeMode} : int{kStakeRand});

    m_clearStakes = new QCheckBox(uiText(texts::kLineClearStakes), this);
    m_clearStakes->setObjectName(QStringLiteral("cbClearStakes"));
    m_clearStakes->setChecked(line.Options.ClearStakes);
    m_newOnly = new QCheckBox(uiText(texts::kLineNewOnly), this);
    m_newOnly->setObjectName(QStringLiteral("cbNewOnly"));
    m_newOnly->setChecked(line.Options.NewOnly);

    auto* options = new QGridLayout;
    auto* startLabel = new QLabel(uiText(texts::kLineStartLabel), this);
    startLabel->setBuddy(m_startList);
    auto* excludeLabel = new QLabel(uiText(texts::kLineExcludeLabel), this);
    excludeLabel->setBuddy(m_drawsExclude);
    auto* stakeLabel = new QLabel(uiText(texts::kLineStakeLabel), this);
    stakeLabel->setBuddy(m_stakeMode);
    options->addWidget(startLabel, 0, 0);
    options->addWidget(excludeLabel, 0, 1);
    options->addWidget(m_startList, 1, 0);
    options->addWidget(m_drawsExclude, 1, 1);
    options->addWidget(stakeLabel, 2, 0, 1, 2);
    options->addWidget(m_stakeMode, 3, 0, 1, 2);
    options->setColumnStretch(0, 1);

    auto* filterBox = new QGroupBox(uiText(texts::kLineFiltersGroup), this);
    auto* filterGrid = new QGridLayout(filterBox);
    const QString hint = uiText(texts::kLineFilterHint);
    for (int slot = 0; slot < kFilterCount; ++slot) {
        auto* field = new QLineEdit(filterBox);
        field->setObjectName(QStringLiteral("edFilter%1").arg(slot + 1));
        field->setValidator(fieldValidator(field));
        field->setText(toQString(line.Filters[static_cast<size_t>(slot)]));
        field->setToolTip(hint);
        field->installEventFilter(this);
        auto* button = new QPushButton(uiText(texts::kBrowseButton), filterBox);
        button->setObjectName(QStringLiteral("btnFilter%1").arg(slot + 1));
        button->setToolTip(hint);
        button->setAutoDefault(false);
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
        auto* label =
            new QLabel(uiText(texts::kScenarioColumns[slot + 2]) + QLatin1Char(':'), filterBox);
        label->setBuddy(field);
        filterGrid->addWidget(label, slot, 0);
        filterGrid->addWidget(field, slot, 1);
        filterGrid->addWidget(button, slot, 2);
        connect(button, &QPushButton::clicked, this, [this, slot] { editFilter(slot); });
        m_filters[static_cast<size_t>(slot)] = field;
        m_filterButtons[static_cast<size_t>(slot)] = button;
    }
    filterGrid->setColumnStretch(1, 1);

    QDialogButtonBox* buttons = dialogButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(commentLabel);
    layout->addWidget(m_comment);
    layout->addSpacing(4);
    layout->addLayout(options);
    layout->addWidget(m_clearStakes);
    layout->addWidget(m_newOnly);
    layout->addSpacing(4);
    layout->addWidget(filterBox);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    setMinimumWidth(560);
    m_comment->setFocus();
}

TScriptLine LineDialog::line() const {
    TScriptLine line;
    line.Comment = toStdString(m_comment->text());
    line.Options.StartList = static_cast<uint8_t>(std::max(0, m_startList->currentIndex()));
    line.Options.DrawsExclude = m_drawsExclude->value();
    line.Options.StakeMode = static_cast<uint8_t>(std::max(0, m_stakeMode->currentIndex()));
    line.Options.ClearStakes = m_clearStakes->isChecked();
    line.Options.NewOnly = m_newOnly->isChecked();
    for (size_t slot = 0; slot < m_filters.size(); ++slot) {
        line.Filters[slot] = toStdString(m_filters[slot]->text().trimmed());
    }
    return line;
}

void LineDialog::editFilter(int slot) {
    if (slot < 0 || slot >= kFilterCount) {
        return;
    }
    QLineEdit* field = m_filters[static_cast<size_t>(slot)];
    const TFilterItem item = TextToFilterItem(toStdString(field->text().trimmed()), m_list);
    FilterDialog dialog(m_shell, m_list, m_page, item, this);
    if (dialog.exec() == QDialog::Accepted) {
        field->setText(toQString(FilterItemToText(dialog.item())));
    }
    field->setFocus();
}

bool LineDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int slot = 0; slot < kFilterCount; ++slot) {
            if (watched == m_filters[static_cast<size_t>(slot)]) {
                editFilter(slot);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace pentad
