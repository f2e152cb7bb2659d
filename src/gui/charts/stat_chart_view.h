// SPDX-License-Identifier: GPL-3.0-or-later
// The chart under the statistics table: the actual counts of the values
// ("Фактические данные") and, when the full set is compared, the ideal
// distribution ("Все возможные комбинации"), over the values along the
// horizontal axis.
#pragma once

#include <QChartView>
#include <QStringList>

class QCategoryAxis;

namespace pentad {

struct StatChart;

class StatChartView : public QChartView {
    Q_OBJECT

public:
    explicit StatChartView(QWidget* parent = nullptr);

    // Replaces the series by those of `data`; an empty chart keeps the axes.
    void showChart(const StatChart& data);

private:
    void showPointHint(const QPointF& point, bool entered);
    // Names every step-th value under the horizontal axis, the step chosen
    // so that every label shows whole at the plot's width.
    void placeAxisLabels();

    // Value text of every horizontal position 1..n (index 0 unused).
    QStringList m_labels;
    QCategoryAxis* m_axisX = nullptr;
    int m_labelStep = 0;
};

}  // namespace pentad
