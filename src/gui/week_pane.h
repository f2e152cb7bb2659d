// SPDX-License-Identifier: GPL-3.0-or-later
// The right tab "Неделя": how often each digit was drawn on each day of the
// week in a window of recent draws, shaded by count, and a chart of the
// selected cell's day (across the digits) or digit (across the days), as a
// line or as bars. Selected columns keep or delete combinations by their
// digits. The pane owns its commands.
#pragma once

#include <QList>
#include <QWidget>

#include "views/week_view.h"

class QAction;
class QBarCategoryAxis;
class QChartView;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTableView;
class QValueAxis;

namespace pentad {

class CommandSet;
class LowerPartHeight;
class WeekModel;
class Workspace;

class WeekPane : public QWidget {
    Q_OBJECT

public:
    WeekPane(Workspace& workspace, QWidget* parent = nullptr);

    WeekPage& page() { return m_page; }
    QTableView* view() const { return m_view; }
    WeekModel* model() const { return m_model; }
    QChartView* chartView() const { return m_chart; }
    QSpinBox* lengthField() const { return m_length; }

    QList<QAction*> createCommands(CommandSet& commands);

    // Rebuilds the table when forced or when the window moved, then the chart.
    void refresh(bool force);
    void invalidate() { m_page.invalidate(); }
    void setIdle(bool idle);

    int chartHeight() const;
    void setChartHeight(int height);
    // Puts the chart height into the view settings.
    void storeHeights();

signals:
    void selectionChanged();

private:
    void showChart();

    Workspace& m_workspace;
    WeekPage m_page;
    WeekModel* m_model;
    QTableView* m_view;
    QChartView* m_chart;
    QBarCategoryAxis* m_axisX;
    QValueAxis* m_axisY;
    QSpinBox* m_length;
    QPushButton* m_calc;
    QPushButton* m_include;
    QPushButton* m_exclude;
    QSplitter* m_splitter;
    LowerPartHeight* m_chartHeight;
    QAction* m_calcAction = nullptr;
};

}  // namespace pentad
