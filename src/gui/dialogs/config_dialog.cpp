// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog: fields filled from the settings record, typing
// limited to what each list may hold, and the record rebuilt on OK.
#include "dialogs/config_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "button_texts.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "shell/error.h"
#include "shell/money.h"
#include "shell/shell.h"

namespace pentad {
namespace {

constexpr int kPrizeRows = 6;
constexpr int kSegmentRows = 10;
constexpr int kSegmentColumns = 5;

// Cell editors that take only the characters their column may hold.
class PatternDelegate : public QStyledItemDelegate {
public:
    PatternDelegate(const QString& pattern, QObject* parent)
        : QStyledItemDelegate(parent), m_pattern(pattern) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setValidator(
                new QRegularExpressionValidator(QRegularExpression(m_pattern), line));
        }
        return editor;
    }

private:
    QString m_pattern;
};

QDoubleSpinBox* realField(const char* name, int decimals, QWidget* parent) {
    auto* field = new QDoubleSpinBox(parent);
    field->setObjectName(QString::fromUtf8(name));
    field->setDecimals(decimals);
    field->setRange(-1e9, 1e9);
    field->setMinimumWidth(110);
    return field;
}

QTableWidget* gridWidget(const char* name, int rows, int columns, QWidget* parent) {
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(QString::fromUtf8(name));
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->verticalHeader()->setHighlightSections(false);
    return grid;
}

// Amounts are typed with the locale's decimal separator; "." is read too.
double readAmount(const QString& text) {
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (ok) {
        return value;
    }
    QString plain = text.trimmed();
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    const double fallback = plain.toDouble(&ok);
    return ok ? fallback : 0;
}

}  // namespace

ConfigDialog::ConfigDialog(Shell& shell, const TConfigData& config, QWidget* parent)
    : QDialog(parent), m_shell(shell), m_config(config) {
    setWindowTitle(uiText(texts::kConfigCaption));
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);

    m_cost = realField("edCost", 2, this);
    m_cost->setRange(0, 1e9);
    m_cost->setValue(static_cast<double>(moneyToReal(config.Cost)));

    // Prize table: one row per number of matches, 0 where no entry exists.
    m_profits = gridWidget("lvProfits", kPrizeRows, 2, this);
    m_profits->setHorizontalHeaderLabels({uiText(texts::kConfigOverlapColumn),
                                          uiText(texts::kConfigProfitColumn)});
    m_profits->verticalHeader()->hide();
    const QString separator = QRegularExpression::escape(locale.decimalPoint());
    m_profits->setItemDelegateForColumn(
        1, new PatternDelegate(QStringLiteral("[0-9]*(%1[0-9]*)?").arg(separator), m_profits));
    for (int m = 0; m < kPrizeRows; ++m) {
        long double prize = 0;
        for (const TProfitRec& p : config.Profits) {
            if (p.Overlap == m) {
                prize = moneyToReal(p.Profit);
                break;
            }
        }
        auto* key = new QTableWidgetItem(QString::number(m));
        key->setFlags(Qt::ItemIsEnabled);
        key->setTextAlignment(Qt::AlignCenter);
        m_profits->setItem(m, 0, key);
        auto* value = new QTableWidgetItem(locale.toString(static_cast<double>(prize), 'f', 2));
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_profits->setItem(m, 1, value);
    }
    m_profits->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_profits->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_profits->setFixedHeight(m_profits->horizontalHeader()->sizeHint().height() +
                              kPrizeRows * m_profits->verticalHeader()->defaultSectionSize() + 4);

    // Coefficients of the "Вес" column.
    m_coefCount = realField("edCoefCount", 3, this);
    m_coefCount->setValue(static_cast<double>(config.CoefCount));
    m_coefDeviation = realField("edCoefDeviation", 3, this);
    m_coefDeviation->setValue(static_cast<double>(config.CoefDeviation));
    m_coefLevel = realField("edCoefLevel", 3, this);
    m_coefLevel->setValue(static_cast<double>(config.CoefLevel));
    m_percents = new QCheckBox(uiText(texts::kCoefPercents), this);
    m_percents->setObjectName(QStringLiteral("cbCoefPercents"));
    m_percents->setChecked(config.UsePercents);
    m_absValues = new QCheckBox(uiText(texts::kCoefAbs), this);
    m_absValues->setObjectName(QStringLiteral("cbCoefAbs"));
    m_absValues->setChecked(config.UseAbsValues);
    auto* coefBox = new QGroupBox(uiText(texts::kConfigCoefGroup), this);
    auto* coefGrid = new QFormLayout(coefBox);
    coefGrid->addRow(uiText(texts::kCoefCountLabel), m_coefCount);
    coefGrid->addRow(uiText(texts::kCoefDeviationLabel), m_coefDeviation);
    coefGrid->addRow(uiText(texts::kCoefLevelLabel), m_coefLevel);
    coefGrid->addRow(m_percents);
    coefGrid->addRow(m_absValues);

    // The digit matrix: its size is fixed by the game, its segments are not.
    m_matrixCols = new QSpinBox(this);
    m_matrixCols->setObjectName(QStringLiteral("edMatrixCols"));
    m_matrixCols->setRange(1, 10);
    m_matrixCols->setValue(std::clamp(config.MatrixCols, 1, 10));
    m_matrixCols->setEnabled(false);
    const int columns = std::clamp(config.MatrixCols, 1, kSegmentColumns);
    m_segments = gridWidget("lvSegments", kSegmentRows, columns, this);
    m_segments->setItemDelegate(new PatternDelegate(QStringLiteral("[0-9]*"), m_segments));
    QStringList rowNames;
    for (int r = 0; r < kSegmentRows; ++r) {
        rowNames.append(QString::number(r));
    }
    m_segments->setVerticalHeaderLabels(rowNames);
    for (int c = 0; c < columns; ++c) {
        m_segments->setColumnWidth(c, 36);
        for (int r = 0; r < kSegmentRows; ++r) {
            auto* cell = new QTableWidgetItem(
                QString::number(config.MatrixSegments[static_cast<size_t>(10 * c + r)]));
            cell->setTextAlignment(Qt::AlignCenter);
            m_segments->setItem(r, c, cell);
        }
    }
    m_segments->setFixedHeight(m_segments->horizontalHeader()->sizeHint().height() +
                               kSegmentRows * m_segments->verticalHeader()->defaultSectionSize() +
                               4);
    m_segments->setFixedWidth(m_segments->verticalHeader()->sizeHint().width() + 36 * columns + 4);
    connect(m_segments, &QTableWidget::itemChanged, this, &ConfigDialog::segmentEdited);

    m_channelSize = new QSpinBox(this);
    m_channelSize->setObjectName(QStringLiteral("edChannelSize"));
    m_channelSize->setRange(1, 10);
    m_channelSize->setValue(std::clamp(config.ChannelSize, 1, 10));

    // Longer stakes do not exist in this game: the field keeps its value.
    m_maxStake = new QSpinBox(this);
    m_maxStake->setObjectName(QStringLiteral("edMaxStake"));
    m_maxStake->setRange(0, 1000);
    m_maxStake->setValue(config.MaxStake);
    auto* maxStakeLabel = new QLabel(uiText(texts::kConfigMaxStake), this);
    m_maxStake->hide();
    maxStakeLabel->hide();

    auto* left = new QFormLayout;
    left->addRow(uiText(texts::kConfigCost), m_cost);
    left->addRow(new QLabel(uiText(texts::kConfigProfits), this));
    left->addRow(m_profits);
    left->addRow(coefBox);
    auto* matrixForm = new QFormLayout;
    matrixForm->addRow(uiText(texts::kConfigMatrixCols), m_matrixCols);
    auto* channelForm = new QFormLayout;
    channelForm->addRow(uiText(texts::kConfigChannelSize), m_channelSize);
    channelForm->addRow(maxStakeLabel, m_maxStake);
    auto* right = new QVBoxLayout;
    right->addLayout(matrixForm);
    right->addWidget(new QLabel(uiText(texts::kConfigSegments), this));
    right->addWidget(m_segments);
    right->addLayout(channelForm);
    right->addStretch(1);
    auto* columnsRow = new QHBoxLayout;
    columnsRow->addLayout(left, 1);
    columnsRow->addSpacing(12);
    columnsRow->addLayout(right);

    QDialogButtonBox* buttons = dialogButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columnsRow);
    layout->addSpacing(8);
    layout->addWidget(buttons);
}

void ConfigDialog::segmentEdited(QTableWidgetItem* item) {
    if (m_checkingSegment) {
        return;
    }
    const QString text = item->text().trimmed();
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && value >= 1 && value <= 9) {
        return;
    }
    m_shell.error(format(texts::kConfigBadSegment, toStdString(item->text())));
    m_checkingSegment = true;
    item->setText(QStringLiteral("1"));
    m_checkingSegment = false;
}

void ConfigDialog::accept() {
    TConfigData edited = m_config;
    edited.Profits.clear();
    for (int m = 0; m < kPrizeRows; ++m) {
        const QTableWidgetItem* value = m_profits->item(m, 1);
        edited.Profits.push_back({static_cast<uint8_t>(m),
                                  moneyFromReal(readAmount(value ? value->text() : QString()))});
    }
    // A real field is taken over only when it was changed: it shows fewer
    // decimals than the value may hold.
    auto changed = [](const QDoubleSpinBox* field, long double original) {
        const QString shown =
            QString::number(static_cast<double>(original), 'f', field->decimals());
        return field->value() != shown.toDouble();
    };
    auto coefficient = [&](const QDoubleSpinBox* field, long double original) -> long double {
        return changed(field, original) ? static_cast<long double>(field->value()) : original;
    };
    if (changed(m_cost, moneyToReal(m_config.Cost))) {
        edited.Cost = moneyFromReal(m_cost->value());
    }
    edited.CoefCount = coefficient(m_coefCount, m_config.CoefCount);
    edited.CoefDeviation = coefficient(m_coefDeviation, m_config.CoefDeviation);
    edited.CoefLevel = coefficient(m_coefLevel, m_config.CoefLevel);
    edited.UsePercents = m_percents->isChecked();
    edited.UseAbsValues = m_absValues->isChecked();
    for (int c = 0; c < kSegmentColumns; ++c) {
        for (int r = 0; r < kSegmentRows; ++r) {
            const QTableWidgetItem* cell =
                c < m_segments->columnCount() ? m_segments->item(r, c) : nullptr;
            const int value = cell != nullptr ? cell->text().toInt() : 1;
            edited.MatrixSegments[static_cast<size_t>(10 * c + r)] =
                static_cast<uint8_t>(value >= 1 && value <= 9 ? value : 1);
        }
    }
    edited.ChannelSize = m_channelSize->value();
    edited.MaxStake = m_maxStake->value();
    m_config = edited;
    QDialog::accept();
}

}  // namespace pentad
