// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Количество повторов в зависимости от тиража": for each of the
// newest draws, how many earlier draws matched it in 1, 2, ... positions,
// as a list and as a chart of one line per match count. It keeps its two
// lengths, the chart height, the list's columns and its placement in
// "Pentad.frm".
#pragma once

#include <QList>
#include <QWidget>

class QChartView;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTableView;

namespace pentad {

class LowerPartHeight;
class RepeatsModel;
class Workspace;

class RepeatsWindow : public QWidget {
    Q_OBJECT

public:
    RepeatsWindow(Workspace& workspace, QWidget* parent = nullptr);

    RepeatsModel* model() const { return m_model; }
    QTableView* view() const { return m_view; }
    QChartView* chartView() const { return m_chart; }
    QSpinBox* lengthField() const { return m_length; }
    QSpinBox* depthField() const { return m_depth; }

    // Looks at the archive as it is now and shows the result.
    void calculate();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Workspace& m_workspace;
    RepeatsModel* m_model;
    QTableView* m_view;
    QChartView* m_chart;
    QSpinBox* m_length;
    QSpinBox* m_depth;
    QPushButton* m_calc;
    QSplitter* m_splitter;
    LowerPartHeight* m_chartHeight;
    int m_drawsLength = 0;
    int m_drawsDeep = 0;
};

}  // namespace pentad
