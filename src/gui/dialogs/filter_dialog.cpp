// SPDX-License-Identifier: GPL-3.0-or-later
// The filter dialog: prepared from the statistics page, loaded from the
// item, enabling of the weight fields, typing filter of the value lists and
// the checks on OK.
#include "dialogs/filter_dialog.h"

#include <algorithm>
#include <climits>
#include <optional>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "button_texts.h"
#include "filters/filter_texts.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "shell/shell.h"
#include "stats/stat_page.h"
#include "stats/stat_texts.h"

namespace pentad {
namespace {

// Level modes whose column is "Вес": only they may carry own coefficients.
constexpr int kFirstWeightMode = 19;
constexpr int kLastWeightMode = 21;

QDoubleSpinBox* coefficientField(const char* name, QWidget* parent) {
    auto* field = new QDoubleSpinBox(parent);
    field->setObjectName(QString::fromUtf8(name));
    field->setDecimals(3);
    field->setRange(-1e9, 1e9);
    field->setSingleStep(0.1);
    return field;
}

QLabel* labelFor(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(uiText(text), parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

bool isValueListKey(const QString& text) {
    for (QChar c : text) {
        const bool allowed =
            c.unicode() < 0x20 || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
            c == QLatin1Char(',') || c == QLatin1Char('-') || c == QLatin1Char(';');
        if (!allowed) {
            return false;
        }
    }
    return true;
}

FilterDialog::FilterDialog(Shell& shell, const TStatList& list, const StatPage& page,
                           const TFilterItem& item, QWidget* parent)
    : QDialog(parent), m_shell(shell), m_list(list), m_entries(page.choices()), m_item(item) {
    setWindowTitle(uiText(texts::kFilterDialogCaption));

    // Statistic and lengths.
    m_method = new QComboBox(this);
    m_method->setObjectName(QStringLiteral("cbMethod"));
    m_method->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_method->setMinimumContentsLength(40);
    for (int i = 0; i < static_cast<int>(m_entries.size()); ++i) {
        m_method->addItem(toQString(page.choiceCaption(i)));
    }
    m_method->setCurrentIndex(page.choiceIndex());
    m_drawsLen = new QLineEdit(QString::number(page.length()), this);
    m_drawsLen->setObjectName(QStringLiteral("edDrawsLen"));
    m_drawsLen->installEventFilter(this);

    // Sorting, walk and action.
    m_sortOrder = new QComboBox(this);
    m_sortOrder->setObjectName(QStringLiteral("cbSortOrder"));
    for (const char* caption : texts::kColumnCaptions) {
        m_sortOrder->addItem(uiText(caption));
    }
    m_sortOrder->setCurrentIndex(1);
    auto* walkBox = new QGroupBox(uiText(texts::kFilterDirectionGroup), this);
    m_topDown = new QRadioButton(uiText(texts::kDirectionTopDown), walkBox);
    m_topDown->setObjectName(QStringLiteral("rbTopDown"));
    m_bottomUp = new QRadioButton(uiText(texts::kDirectionBottomUp), walkBox);
    m_bottomUp->setObjectName(QStringLiteral("rbBottomUp"));
    m_topDown->setChecked(true);
    m_multiSelect = new QCheckBox(uiText(texts::kFilterMultiSelect), walkBox);
    m_multiSelect->setObjectName(QStringLiteral("cbMultiSelect"));
    auto* walkLayout = new QVBoxLayout(walkBox);
    walkLayout->addWidget(m_topDown);
    walkLayout->addWidget(m_bottomUp);
    walkLayout->addWidget(m_multiSelect);

    auto* actionBox = new QGroupBox(uiText(texts::kFilterActionGroup), this);
    m_keep = new QRadioButton(uiText(texts::kKeepSelected), actionBox);
    m_keep->setObjectName(QStringLiteral("rbKeep"));
    m_delete = new QRadioButton(uiText(texts::kDeleteSelected), actionBox);
    m_delete->setObjectName(QStringLiteral("rbDelete"));
    m_delete->setChecked(true);
    auto* actionLayout = new QVBoxLayout(actionBox);
    actionLayout->addWidget(m_keep);
    actionLayout->addWidget(m_delete);
    actionLayout->addStretch(1);

    // Level mode, its values and the weight coefficients.
    m_levelMode = new QComboBox(this);
    m_levelMode->setObjectName(QStringLiteral("cbLevelMode"));
    for (int mode = 0; mode < kLevelModeCount; ++mode) {
        m_levelMode->addItem(toQString(levelModeCaption(mode)));
    }
    m_levelMode->setCurrentIndex(0);
    m_levelValue = new QLineEdit(this);
    m_levelValue->setObjectName(QStringLiteral("edLevelValue"));
    m_levelValue->installEventFilter(this);

    m_override = new QCheckBox(uiText(texts::kFilterOverride), this);
    m_override->setObjectName(QStringLiteral("cbOverride"));
    m_coefCount = coefficientField("edCoefCount", this);
    m_coefDeviation = coefficientField("edCoefDeviation", this);
    m_coefLevel = coefficientField("edCoefLevel", this);
    m_coefPercents = new QCheckBox(uiText(texts::kCoefPercents), this);
    m_coefPercents->setObjectName(QStringLiteral("cbCoefPercents"));
    m_coefAbs = new QCheckBox(uiText(texts::kCoefAbs), this);
    m_coefAbs->setObjectName(QStringLiteral("cbCoefAbs"));
    auto* coefGrid = new QGridLayout;
    coefGrid->addWidget(labelFor(texts::kCoefCountLabel, m_coefCount, this), 0, 0);
    coefGrid->addWidget(m_coefCount, 0, 1);
    coefGrid->addWidget(labelFor(texts::kCoefDeviationLabel, m_coefDeviation, this), 0, 2);
    coefGrid->addWidget(m_coefDeviation, 0, 3);
    coefGrid->addWidget(labelFor(texts::kCoefLevelLabel, m_coefLevel, this), 0, 4);
    coefGrid->addWidget(m_coefLevel, 0, 5);
    coefGrid->addWidget(m_coefPercents, 1, 0, 1, 3);
    coefGrid->addWidget(m_coefAbs, 1, 3, 1, 3);

    // Stop mode.
    m_stopMode = new QComboBox(this);
    m_stopMode->setObjectName(QStringLiteral("cbStopMode"));
    for (int mode = 0; mode < kStopModeCount; ++mode) {
        m_stopMode->addItem(toQString(stopModeCaption(mode)));
    }
    m_stopMode->setCurrentIndex(0);
    m_stopValue = new QSpinBox(this);
    m_stopValue->setObjectName(QStringLiteral("edStopValue"));
    m_stopValue->setRange(1, INT_MAX);
    m_stopValue->setValue(1);

    auto* form = new QFormLayout;
    form->addRow(labelFor(texts::kFilterMethodLabel, m_method, this), m_method);
    form->addRow(labelFor(texts::kFilterDrawsLabel, m_drawsLen, this), m_drawsLen);
    form->addRow(labelFor(texts::kFilterSortLabel, m_sortOrder, this), m_sortOrder);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(walkBox, 1);
    boxes->addWidget(actionBox, 1);
    // The level mode with its values and the weights that the weight modes
    // may bring along.
    auto* levelBox = new QGroupBox(this);
    auto* level = new QFormLayout;
    level->addRow(labelFor(texts::kFilterLevelLabel, m_levelMode, this), m_levelMode);
    level->addRow(labelFor(texts::kFilterLevelValueLabel, m_levelValue, this), m_levelValue);
    auto* levelLayout = new QVBoxLayout(levelBox);
    levelLayout->addLayout(level);
    levelLayout->addWidget(m_override);
    levelLayout->addLayout(coefGrid);
    auto* stopRow = new QHBoxLayout;
    stopRow->addWidget(labelFor(texts::kStopLabel, m_stopMode, this));
    stopRow->addWidget(m_stopMode, 1);
    stopRow->addWidget(labelFor(texts::kStopValueLabel, m_stopValue, this));
    stopRow->addWidget(m_stopValue);

    QDialogButtonBox* buttons = dialogButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(boxes);
    layout->addWidget(levelBox);
    layout->addLayout(stopRow);
    layout->addSpacing(8);
    layout->addWidget(buttons);

    // Without an item of their own the coefficients show the global weights.
    const CdlWeights global = list.weights();
    m_coefCount->setValue(static_cast<double>(global.CoefCount));
    m_coefDeviation->setValue(static_cast<double>(global.CoefDeviation));
    m_coefLevel->setValue(static_cast<double>(global.CoefLevel));
    m_coefPercents->setChecked(global.UsePercents);
    m_coefAbs->setChecked(global.UseAbsValues);
    if (item.Active) {
        load(item);
    }

    connect(m_levelMode, &QComboBox::currentIndexChanged, this, [this] { updateEnabling(); });
    connect(m_override, &QCheckBox::toggled, this, [this] { updateEnabling(); });
    updateEnabling();
    m_drawsLen->setFocus();
}

void FilterDialog::load(const TFilterItem& item) {
    const int entry = entryOf(m_list, item.Method);
    int choice = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i] == entry) {
            choice = static_cast<int>(i);
            break;
        }
    }
    m_method->setCurrentIndex(m_entries.empty() ? -1 : choice);
    if (!item.DrawsLen.empty()) {
        m_drawsLen->setText(toQString(item.DrawsLen));
    }
    if (!item.LevelValue.empty()) {
        m_levelValue->setText(toQString(item.LevelValue));
    }
    m_sortOrder->setCurrentIndex(static_cast<int>(item.SortOrder) < m_sortOrder->count()
                                     ? static_cast<int>(item.SortOrder)
                                     : 1);
    (item.BottomUp ? m_bottomUp : m_topDown)->setChecked(true);
    m_multiSelect->setChecked(item.MultiSelect);
    (item.KeepSelected ? m_keep : m_delete)->setChecked(true);
    m_levelMode->setCurrentIndex(item.LevelMode < kLevelModeCount ? item.LevelMode : 0);
    m_override->setChecked(item.Weights.CDLOverride);
    if (item.Weights.CDLOverride) {
        m_coefCount->setValue(static_cast<double>(item.Weights.CoefCount));
        m_coefDeviation->setValue(static_cast<double>(item.Weights.CoefDeviation));
        m_coefLevel->setValue(static_cast<double>(item.Weights.CoefLevel));
        m_coefPercents->setChecked(item.Weights.CoefPercents);
        m_coefAbs->setChecked(item.Weights.CoefAbs);
    }
    m_stopMode->setCurrentIndex(item.StopMode < kStopModeCount ? item.StopMode : 0);
    m_stopValue->setValue(static_cast<int>(std::min<uint32_t>(item.StopValue, INT_MAX)));
}

TFilterItem FilterDialog::itemFromControls() const {
    TFilterItem item;
    item.Active = true;
    const int choice = m_method->currentIndex();
    if (choice >= 0 && choice < static_cast<int>(m_entries.size())) {
        item.Method = refOf(m_list, m_entries[static_cast<size_t>(choice)]);
    }
    item.DrawsLen = toStdString(m_drawsLen->text());
    item.SortOrder = static_cast<uint32_t>(std::max(0, m_sortOrder->currentIndex()));
    item.BottomUp = m_bottomUp->isChecked();
    item.MultiSelect = m_multiSelect->isChecked();
    item.KeepSelected = m_keep->isChecked();
    item.LevelMode = static_cast<uint8_t>(std::max(0, m_levelMode->currentIndex()));
    item.LevelValue = toStdString(m_levelValue->text());
    item.Weights.CDLOverride = m_override->isChecked();
    item.Weights.CoefCount = m_coefCount->value();
    item.Weights.CoefDeviation = m_coefDeviation->value();
    item.Weights.CoefLevel = m_coefLevel->value();
    item.Weights.CoefPercents = m_coefPercents->isChecked();
    item.Weights.CoefAbs = m_coefAbs->isChecked();
    item.StopMode = static_cast<uint8_t>(std::max(0, m_stopMode->currentIndex()));
    item.StopValue = static_cast<uint32_t>(m_stopValue->value());
    return item;
}

void FilterDialog::updateEnabling() {
    const int mode = m_levelMode->currentIndex();
    const bool weightMode = mode >= kFirstWeightMode && mode <= kLastWeightMode;
    m_override->setEnabled(weightMode);
    const bool own = weightMode && m_override->isChecked();
    for (QWidget* field :
         {static_cast<QWidget*>(m_coefCount), static_cast<QWidget*>(m_coefDeviation),
          static_cast<QWidget*>(m_coefLevel), static_cast<QWidget*>(m_coefPercents),
          static_cast<QWidget*>(m_coefAbs)}) {
        field->setEnabled(own);
    }
}

void FilterDialog::accept() {
    TFilterItem item = itemFromControls();
    if (std::optional<FilterProblem> problem = validateFilterItem(item)) {
        m_shell.error(problem->message);
        QWidget* field = nullptr;
        switch (problem->field) {
            case FilterField::DrawsLen:
                field = m_drawsLen;
                break;
            case FilterField::LevelMode:
                field = m_levelMode;
                break;
            case FilterField::LevelValue:
                field = m_levelValue;
                break;
            case FilterField::StopMode:
                field = m_stopMode;
                break;
            case FilterField::None:
                break;
        }
        if (field != nullptr) {
            field->setFocus();
        }
        return;
    }
    m_item = item;
    QDialog::accept();
}

bool FilterDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_drawsLen || watched == m_levelValue) && event->type() == QEvent::KeyPress) {
        // Typed characters only: text may still arrive by pasting.
        if (!isValueListKey(static_cast<QKeyEvent*>(event)->text())) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FilterDialog::showEvent(QShowEvent* event) {
    updateEnabling();
    QDialog::showEvent(event);
}

}  // namespace pentad
