// SPDX-License-Identifier: GPL-3.0-or-later
#include "view_tabs.h"

#include <algorithm>

#include <QAction>
#include <QChart>
#include <QHeaderView>
#include <QLegend>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>

#include "app/workspace.h"
#include "card_pane.h"
#include "charts/graph_window.h"
#include "command_set.h"
#include "graph_pane.h"
#include "gui_texts.h"
#include "layout_pane.h"
#include "qt_text.h"
#include "repeats_window.h"
#include "shell/shell.h"
#include "view_controls.h"
#include "view_pane_texts.h"
#include "views/sum_distribution.h"
#include "views/view_texts.h"
#include "week_pane.h"
#include "window_placement.h"

namespace pentad {
namespace {

// Wide enough for the chart and the range captions beside it.
constexpr int kSumsWindowWidth = 1250;

// Inserts `actions` into `menu` after `anchor` (at the end when it is not there).
void insertAfter(QMenu& menu, QAction* anchor, const QList<QAction*>& actions) {
    const QList<QAction*> items = menu.actions();
    const qsizetype at = items.indexOf(anchor);
    QAction* before = at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr;
    menu.insertActions(before, actions);
}

}  // namespace

ViewTabs::ViewTabs(Workspace& workspace, QTabWidget* tabs, QWidget* window)
    : QObject(window), m_workspace(workspace), m_tabs(tabs), m_window(window) {
    m_graph = new GraphPane(workspace, tabs);
    m_card = new CardPane(workspace, tabs);
    m_layout = new LayoutPane(workspace, tabs);
    m_week = new WeekPane(workspace, tabs);
    const MainFormSettings& form = workspace.form();
    const std::pair<QWidget*, std::pair<const char*, bool>> pages[] = {
        {m_graph, {texts::kTabGraphs, form.TabGraphs}},
        {m_card, {texts::kTabCard, form.TabCard}},
        {m_layout, {texts::kTabLayout, form.TabLayout}},
        {m_week, {texts::kTabWeek, form.TabWeek}},
    };
    for (const auto& [pane, tab] : pages) {
        const int index = tabs->addTab(pane, uiText(tab.first));
        tabs->setTabVisible(index, tab.second);
    }
    connect(m_card, &CardPane::selectionChanged, this, &ViewTabs::selectionChanged);
    connect(m_layout, &LayoutPane::selectionChanged, this, &ViewTabs::selectionChanged);
    connect(m_week, &WeekPane::selectionChanged, this, &ViewTabs::selectionChanged);
    // Only the tab in front is kept up to date; a tab brought to front
    // catches up with what changed while it was behind.
    connect(tabs, &QTabWidget::currentChanged, this, [this] {
        if (m_workspace.shell().isIdle()) {
            refreshCurrent(false);
        }
    });
}

void ViewTabs::createCommands(CommandSet& commands,
                              std::function<void(const SheetTable&)> exportSheet) {
    m_commands = &commands;
    m_graphMenu = m_graph->createCommands(commands);
    m_cardMenu = m_card->createCommands(commands, exportSheet);
    m_layoutMenu = m_layout->createCommands(commands, exportSheet);
    m_weekMenu = m_week->createCommands(commands);

    MainFormSettings& form = m_workspace.form();
    struct TabSwitch {
        const char* name;
        const char* caption;
        const char* key;
        QWidget* pane;
        bool* shown;
    };
    const TabSwitch switches[] = {
        {"TabGraps", texts::kCmdTabGraphs, "TabGraphs", m_graph, &form.TabGraphs},
        {"TabCard", texts::kCmdTabCard, "TabCard", m_card, &form.TabCard},
        {"TabLayout", texts::kCmdTabLayout, "TabLayout", m_layout, &form.TabLayout},
        {"TabWeek", texts::kCmdTabWeek, "TabWeek", m_week, &form.TabWeek},
    };
    for (const TabSwitch& s : switches) {
        commands.add({.name = s.name,
                      .caption = s.caption,
                      .execute = [this, s] { setTabShown(s.pane, s.key, !*s.shown); },
                      .checked = [shown = s.shown] { return *shown; }});
    }
    commands.add({.name = "AnalyzeRepeats",
                  .caption = texts::kRepeatsCaption,
                  .enabled = [this] { return !m_workspace.archive().empty(); },
                  .execute = [this] { openRepeats(); }});
    commands.add({.name = "TotalSumCombs", .caption = texts::kSumsCaption, .execute = [this] {
                      showSumDistribution();
                  }});
}

void ViewTabs::fillMenus(QMenuBar& bar, QMenu& view, QAction* colourAnchor, QAction* tabsAnchor) {
    QMenu* stats = nullptr;
    for (QAction* item : bar.actions()) {
        if (item->menu() != nullptr && item->text() == uiText(texts::kMenuStats)) {
            stats = item->menu();
        }
    }
    if (stats == nullptr) {
        stats = bar.addMenu(uiText(texts::kMenuStats));
    }
    stats->addSeparator();
    const std::pair<const char*, const QList<QAction*>*> submenus[] = {
        {texts::kTabGraphs, &m_graphMenu},
        {texts::kTabCard, &m_cardMenu},
        {texts::kTabLayout, &m_layoutMenu},
        {texts::kTabWeek, &m_weekMenu},
    };
    for (const auto& [title, actions] : submenus) {
        QMenu* submenu = stats->addMenu(uiText(title));
        // A section heading may come first.
        submenu->setSeparatorsCollapsible(false);
        submenu->addActions(*actions);
    }
    QMenu* extra = stats->addMenu(uiText(texts::kMenuExtraStats));
    extra->addAction(m_commands->action(QStringLiteral("AnalyzeRepeats")));
    extra->addAction(m_commands->action(QStringLiteral("TotalSumCombs")));

    QList<QAction*> colours;
    for (const char* name : {"ViewColorCard", "ViewColorCardSequences", "ViewShemaGradient",
                             "ViewWeekChartMode", "ViewWeekChartType"}) {
        colours.append(m_commands->action(QString::fromUtf8(name)));
    }
    insertAfter(view, colourAnchor, colours);
    QList<QAction*> tabs;
    for (const char* name : {"TabGraps", "TabCard", "TabLayout", "TabWeek"}) {
        tabs.append(m_commands->action(QString::fromUtf8(name)));
    }
    view.insertActions(tabsAnchor, tabs);
}

void ViewTabs::applyChanges(unsigned changes) {
    if ((changes & (kChangeDraws | kChangeViews)) != 0) {
        m_graph->invalidate();
        m_card->invalidate();
        m_layout->invalidate();
        m_week->invalidate();
    }
    if ((changes & (kChangeViews | kChangeSettings)) != 0) {
        m_card->repaint();
        m_layout->repaint();
    }
    // The regular-stake test moves the offset draw by draw; nothing follows it.
    if (m_workspace.shell().isIdle() && !m_workspace.stakes().refreshSuspended()) {
        refreshCurrent(false);
    }
}

void ViewTabs::refreshCurrent(bool force) {
    QWidget* current = m_tabs->currentWidget();
    if (current == m_graph) {
        m_graph->refresh(force);
    } else if (current == m_card) {
        m_card->refresh(force);
    } else if (current == m_layout) {
        m_layout->refresh(force);
    } else if (current == m_week) {
        m_week->refresh(force);
    }
}

void ViewTabs::setTabShown(QWidget* pane, const char* key, bool shown) {
    BusyScope busy(m_workspace.shell());
    m_workspace.setViewOption(key, shown);
    m_tabs->setTabVisible(m_tabs->indexOf(pane), shown);
    if (shown) {
        m_tabs->setCurrentWidget(pane);
        refreshCurrent(true);
    }
}

void ViewTabs::setIdle(bool idle) {
    m_graph->setIdle(idle);
    m_layout->setIdle(idle);
    m_week->setIdle(idle);
}

void ViewTabs::followNumberColumn(const QTableView& drawList) {
    QTableView* card = m_card->view();
    card->setColumnWidth(0, drawList.columnWidth(0));
    connect(drawList.horizontalHeader(), &QHeaderView::sectionResized, card,
            [card](int section, int, int width) {
                if (section == 0) {
                    card->setColumnWidth(0, width);
                }
            });
}

void ViewTabs::restoreLayout() {
    const MainFormSettings& form = m_workspace.form();
    m_week->setChartHeight(form.WeekHeight > 0 ? form.WeekHeight : kDesignedWeekHeight);
    m_layout->setCompareHeight(form.LayoutCompareHeight > 0 ? form.LayoutCompareHeight
                                                            : kDesignedCompareHeight);
    for (int i = 0; i < kCompareLists; ++i) {
        restoreColumnWidths(*m_layout->compareView(i), m_workspace.frm(), kMainFormSection);
    }
}

void ViewTabs::storeLayout() {
    m_layout->storeHeights();
    m_week->storeHeights();
    for (int i = 0; i < kCompareLists; ++i) {
        saveColumnWidths(*m_layout->compareView(i), m_workspace.frm(), kMainFormSection);
    }
}

RepeatsWindow* ViewTabs::repeatsWindow() const {
    return m_repeats.data();
}

void ViewTabs::openRepeats() {
    if (m_repeats == nullptr) {
        m_repeats = new RepeatsWindow(m_workspace, m_window);
    }
    m_repeats->show();
    m_repeats->raise();
    m_repeats->activateWindow();
    m_repeats->calculate();
}

void ViewTabs::showSumDistribution() {
    GraphData data;
    {
        OperationScope op(m_workspace.shell(), texts::kStatusCollecting);
        data = sumDistributionGraphData(sumDistribution(m_workspace.archive().draws()));
    }
    auto* window = new GraphWindow(data, &m_workspace.frm(), m_window);
    window->setObjectName(QStringLiteral("TotalSumCombsWindow"));
    // The range captions carry the sums: the legend goes beside the chart,
    // where they fit in full.
    window->chart()->legend()->setAlignment(Qt::AlignRight);
    window->chart()->legend()->setShowToolTips(true);
    window->resize(std::max(window->width(), kSumsWindowWidth), window->height());
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
}

}  // namespace pentad
