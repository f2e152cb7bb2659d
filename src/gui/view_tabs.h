// SPDX-License-Identifier: GPL-3.0-or-later
// The four analysis tabs of the right pane ("Графики", "Карта", "Схема",
// "Неделя") with the commands that show or hide them, the repeats window and
// the sum distribution. The main window places them, hands over the changes
// of every command and saves their layout; they refresh only the tab in
// front, and only what its data depend on.
#pragma once

#include <functional>

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QMenuBar;
class QTabWidget;
class QTableView;
class QWidget;

namespace pentad {

class CardPane;
class CommandSet;
class GraphPane;
class LayoutPane;
class RepeatsWindow;
class WeekPane;
class Workspace;
struct SheetTable;

class ViewTabs : public QObject {
    Q_OBJECT

public:
    // Creates the panes and adds their tabs to `tabs`, shown as saved.
    ViewTabs(Workspace& workspace, QTabWidget* tabs, QWidget* window);

    GraphPane* graphPane() const { return m_graph; }
    CardPane* cardPane() const { return m_card; }
    LayoutPane* layoutPane() const { return m_layout; }
    WeekPane* weekPane() const { return m_week; }
    // The repeats window while it is open, else null.
    RepeatsWindow* repeatsWindow() const;

    // Adds every command of the tabs; `exportSheet` sends a table to the
    // spreadsheet program.
    void createCommands(CommandSet& commands, std::function<void(const SheetTable&)> exportSheet);
    // Adds to the menu "Статистика" of `bar` a submenu per tab and
    // "Расширенная статистика"; to `view` the colour options after
    // `colourAnchor` and the tab switches before `tabsAnchor`.
    void fillMenus(QMenuBar& bar, QMenu& view, QAction* colourAnchor, QAction* tabsAnchor);

    // After a command: what it changed (Change bits of the workspace).
    void applyChanges(unsigned changes);
    void setIdle(bool idle);
    // The card's number column keeps the width of the draw list's first one.
    void followNumberColumn(const QTableView& drawList);

    void restoreLayout();
    // Puts the heights into the settings saved at shutdown (the lengths are
    // kept there as they are typed) and writes the list columns.
    void storeLayout();

signals:
    // A selection that the filter commands read changed.
    void selectionChanged();

private:
    void refreshCurrent(bool force);
    void setTabShown(QWidget* pane, const char* key, bool shown);
    void openRepeats();
    void showSumDistribution();

    Workspace& m_workspace;
    QTabWidget* m_tabs;
    QWidget* m_window;
    GraphPane* m_graph;
    CardPane* m_card;
    LayoutPane* m_layout;
    WeekPane* m_week;
    QPointer<RepeatsWindow> m_repeats;
    CommandSet* m_commands = nullptr;
    QList<QAction*> m_graphMenu, m_cardMenu, m_layoutMenu, m_weekMenu;
};

}  // namespace pentad
