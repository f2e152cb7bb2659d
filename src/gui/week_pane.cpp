// SPDX-License-Identifier: GPL-3.0-or-later
#include "week_pane.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>

#include "action_button.h"
#include "app/workspace.h"
#include "command_set.h"
#include "models/week_model.h"
#include "qt_text.h"
#include "shell/shell.h"
#include "view_controls.h"
#include "view_pane_texts.h"
#include "views/view_texts.h"

namespace pentad {
namespace {

constexpr QRgb kChartColor = 0x008000;
constexpr QRgb kMarkerOutline = 0xFF00FF;
constexpr int kDigitColumnWidth = 48;

}  // namespace

WeekPane::WeekPane(Workspace& workspace, QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_page(workspace.shell(), workspace.archive()) {
    setObjectName(QStringLiteral("tsWeek"));
    m_page.length = workspace.form().WeekLen;
    m_model = new WeekModel(m_page.table(), this);
    m_view = makeGridView("sgWeek", m_model, this);
    for (int c = 0; c < kDigitCount; ++c) {
        m_view->setColumnWidth(c, kDigitColumnWidth);
    }
    m_view->setCurrentIndex(m_model->index(0, 0));

    m_length = makeLengthField("edWeekLen", &m_page.length, &workspace.form().WeekLen, this,
                               whenEnabled(&m_calcAction, [this] { refresh(false); }));
    QLabel* lengthLabel = makeLengthLabel(m_length, this);
    m_calc = makeButton("btnWeekStatCalc", this);
    m_include = makeButton("btnWeekInclude", this);
    m_exclude = makeButton("btnWeekExclude", this);

    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->hide();
    m_axisX = new QBarCategoryAxis;
    m_axisY = new QValueAxis;
    m_axisY->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(m_axisX, Qt::AlignBottom);
    chart->addAxis(m_axisY, Qt::AlignLeft);
    m_chart = new QChartView(chart, this);
    m_chart->setObjectName(QStringLiteral("chWeek"));
    m_chart->setRenderHint(QPainter::Antialiasing);

    auto* top = new QHBoxLayout;
    top->addWidget(lengthLabel);
    top->addWidget(m_length);
    top->addWidget(m_calc);
    top->addStretch(1);
    top->addWidget(m_include);
    top->addWidget(m_exclude);
    auto* upper = new QWidget(this);
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addLayout(top);
    upperLayout->addWidget(m_view, 1);

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("spWeek"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(upper);
    m_splitter->addWidget(m_chart);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_chartHeight = new LowerPartHeight(m_splitter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_splitter);

    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &WeekPane::selectionChanged);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (m_workspace.shell().isIdle()) {
            showChart();
        }
    });
}

QList<QAction*> WeekPane::createCommands(CommandSet& commands) {
    MainFormSettings& form = m_workspace.form();
    auto shown = [&form] { return form.TabWeek; };
    m_calcAction = commands.add(
        {.name = "WeekStatCalc",
         .caption = texts::kCmdRefresh,
         .enabled = [this, shown] { return shown() && !m_workspace.archive().empty(); },
         .execute = [this] { refresh(true); }});
    const ViewFilterCommands filters = addViewFilterCommands(
        commands, m_workspace, "WeekFilter_Include", "WeekFilter_Exclude", texts::kTabWeek, shown,
        [this] { return weekSelectionValues(selectionRanges(*m_view->selectionModel())); });
    commands.add({.name = "ViewWeekChartMode",
                  .caption = texts::kCmdViewWeekChartMode,
                  .enabled = shown,
                  .execute =
                      [this, &form] {
                          m_workspace.setViewOption("WeekChartMode",
                                                    form.WeekChartMode == 1 ? 0 : 1);
                          showChart();
                      },
                  .checked = [&form] { return form.WeekChartMode == 1; }});
    commands.add({.name = "ViewWeekChartType",
                  .caption = texts::kCmdViewWeekChartType,
                  .enabled = shown,
                  .execute =
                      [this, &form] {
                          m_workspace.setViewOption("WeekChartType", !form.WeekChartType);
                          showChart();
                      },
                  .checked = [&form] { return form.WeekChartType; }});
    bindButton(m_calc, m_calcAction);
    bindButton(m_include, filters.include);
    bindButton(m_exclude, filters.exclude);
    const QList<QAction*> menu = {m_calcAction, makeSeparator(this), filters.include,
                                  filters.exclude};
    m_view->addActions(menu);
    return menu;
}

void WeekPane::refresh(bool force) {
    bool rebuilt = false;
    m_workspace.shell().guard("%s", [&] { rebuilt = m_page.refresh(force); });
    if (rebuilt) {
        m_model->reload();
        showChart();
    }
}

void WeekPane::showChart() {
    OperationScope op(m_workspace.shell(), texts::kStatusWeek);
    const MainFormSettings& form = m_workspace.form();
    const QModelIndex current = m_view->currentIndex();
    const int day = current.isValid() ? current.row() : 0;
    const int digit = current.isValid() ? current.column() : 0;
    const std::vector<WeekChartPoint> points =
        weekChart(m_page.table(), form.WeekChartMode, day, digit);

    QChart* chart = m_chart->chart();
    chart->removeAllSeries();
    QStringList labels;
    int maximum = 0;
    for (const WeekChartPoint& p : points) {
        const auto day = std::find(std::begin(texts::kWeekDays), std::end(texts::kWeekDays),
                                   std::string_view(p.label));
        labels.append(day != std::end(texts::kWeekDays)
                          ? WeekModel::dayCaption(static_cast<int>(day - std::begin(texts::kWeekDays)))
                          : toQString(p.label));
        maximum = std::max(maximum, p.value);
    }
    // The axes stay with the chart; a redraw only sets what they show.
    m_axisX->clear();
    m_axisX->append(labels);
    m_axisY->setRange(0, std::max(1, maximum) * 1.1);
    m_axisY->applyNiceNumbers();
    QAbstractSeries* series = nullptr;
    if (form.WeekChartType) {
        auto* line = new QLineSeries;
        for (size_t i = 0; i < points.size(); ++i) {
            line->append(static_cast<qreal>(i), points[i].value);
        }
        chart->addSeries(line);
        QPen pen{QColor(kChartColor)};
        pen.setWidth(2);
        line->setPen(pen);
        line->setPointsVisible(true);
        line->setMarkerSize(4);
        line->setBrush(QColor(kMarkerOutline));
        series = line;
    } else {
        auto* set = new QBarSet(QString());
        for (const WeekChartPoint& p : points) {
            set->append(p.value);
        }
        set->setColor(QColor(kChartColor));
        set->setBorderColor(QColor(kChartColor));
        auto* bars = new QBarSeries;
        bars->append(set);
        chart->addSeries(bars);
        series = bars;
    }
    series->attachAxis(m_axisX);
    series->attachAxis(m_axisY);
}

void WeekPane::setIdle(bool idle) {
    m_length->setEnabled(idle);
}

int WeekPane::chartHeight() const {
    return m_chartHeight->height();
}

void WeekPane::setChartHeight(int height) {
    m_chartHeight->setHeight(height);
}

void WeekPane::storeHeights() {
    m_workspace.form().WeekHeight = chartHeight();
}

}  // namespace pentad
