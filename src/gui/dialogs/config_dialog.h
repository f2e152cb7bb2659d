// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog "Параметры системы": the price of a stake, the
// prize for each number of matches, the coefficients of the "Вес" column,
// the segments of the digit matrix and the channel size. The matrix size is
// shown but fixed for this game.
#pragma once

#include <QDialog>

#include "game/records.h"

class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace pentad {

class Shell;

class ConfigDialog : public QDialog {
    Q_OBJECT

public:
    // Shows `config`; error boxes go through `shell`.
    ConfigDialog(Shell& shell, const TConfigData& config, QWidget* parent = nullptr);

    // The record rebuilt from the fields; valid once the dialog was accepted.
    const TConfigData& config() const { return m_config; }

    // OK: prizes from the six rows, the cost, the coefficients that were
    // changed, the segments column by column (1 outside the grid) and the
    // channel size.
    void accept() override;

private:
    void segmentEdited(QTableWidgetItem* item);

    Shell& m_shell;
    TConfigData m_config;
    QDoubleSpinBox* m_cost;
    QTableWidget* m_profits;
    QDoubleSpinBox* m_coefCount;
    QDoubleSpinBox* m_coefDeviation;
    QDoubleSpinBox* m_coefLevel;
    QCheckBox* m_percents;
    QCheckBox* m_absValues;
    QSpinBox* m_matrixCols;
    QTableWidget* m_segments;
    QSpinBox* m_channelSize;
    QSpinBox* m_maxStake;
    bool m_checkingSegment = false;
};

}  // namespace pentad
