// SPDX-License-Identifier: GPL-3.0-or-later
// The right tab "Графики": the per-draw value of a chosen graph statistic
// over a window of recent draws, with its mean and its most frequent value.
// The chooser lists the graph methods among those the statistics page
// offers. The pane owns its command "Обновить".
#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

#include "views/stat_graph.h"

class QAction;
class QChartView;
class QCheckBox;
class QComboBox;
class QLineSeries;
class QPushButton;
class QSpinBox;

namespace pentad {

class CommandSet;
class Workspace;

class GraphPane : public QWidget {
    Q_OBJECT

public:
    GraphPane(Workspace& workspace, QWidget* parent = nullptr);

    GraphPage& page() { return m_page; }
    QComboBox* chooser() const { return m_chooser; }
    QSpinBox* lengthField() const { return m_length; }
    QCheckBox* labelsBox() const { return m_labels; }
    QChartView* chartView() const { return m_chart; }

    QList<QAction*> createCommands(CommandSet& commands);

    // Refills the chooser from the statistics page, then rebuilds the graph
    // when forced or when what it depends on changed. Failures are shown.
    void refresh(bool force);
    void invalidate() { m_page.invalidate(); }
    void setIdle(bool idle);

private:
    void fillChooser();
    void showGraph();

    Workspace& m_workspace;
    GraphPage m_page;
    QComboBox* m_chooser;
    QSpinBox* m_length;
    QPushButton* m_draw;
    QCheckBox* m_labels;
    QChartView* m_chart;
    QStringList m_captions;
    QList<QLineSeries*> m_labelled;
    QAction* m_drawAction = nullptr;
};

}  // namespace pentad
