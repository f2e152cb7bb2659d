// SPDX-License-Identifier: GPL-3.0-or-later
// The graph window: a free-standing window with a chart of named line
// series (width 2, 3 x 3 point markers where asked, value labels where
// asked) over integer x values, and the check box that switches the value
// labels. The stake and rating graphs open one each; the window keeps its
// placement in "Pentad.frm".
#pragma once

#include <QList>
#include <QWidget>

#include "stakes/ratings.h"

class QChart;
class QChartView;
class QCheckBox;
class QLineSeries;

namespace pentad {

class IniFile;

class GraphWindow : public QWidget {
    Q_OBJECT

public:
    // Shows `data` (caption "График" when it has no title). The placement is
    // read from and written to `frm` when given.
    GraphWindow(const GraphData& data, IniFile* frm, QWidget* parent = nullptr);

    QChart* chart() const;
    QCheckBox* labelsBox() const { return m_labels; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showLabels(bool on);

    IniFile* m_frm;
    QChartView* m_view;
    QCheckBox* m_labels;
    // The series made with value labels: the check box switches theirs.
    QList<QLineSeries*> m_labelled;
};

}  // namespace pentad
