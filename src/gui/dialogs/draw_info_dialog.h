// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Подробная информация" of one draw: its properties as a
// two-column list and its digits in a small grid with one row per digit,
// each row in the colour of the digit's channel.
#pragma once

#include <QDialog>

#include "app/workspace.h"

class QTableWidget;

namespace pentad {

class DrawInfoDialog : public QDialog {
    Q_OBJECT

public:
    // `channelSize` picks the row colours of the grid.
    DrawInfoDialog(const DrawInfo& info, int channelSize, QWidget* parent = nullptr);

private:
    QTableWidget* m_properties;
    QTableWidget* m_grid;
};

}  // namespace pentad
