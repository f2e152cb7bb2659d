// SPDX-License-Identifier: GPL-3.0-or-later
// The generic main window: the left pane with the draw list and the
// combination set, the right pane of tabs with the statistics page, the menus
// and context menus bound to the commands, the seven-panel status bar, the
// two-stage start and the layout saved at shutdown. The game's own window
// derives from it and adds what is specific to the game.
#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include <QMainWindow>

#include "app/workspace.h"

class QLabel;
class QMenu;
class QSplitter;
class QTableView;
class QTabWidget;

namespace pentad {

class CombsPane;
class CommandSet;
class DrawsPane;
class QtUserInterface;
class RatingsPane;
class ScenarioPane;
class StakesPane;
class StatPane;
class SystemsPane;
class TablesPane;

class TTemplateMain : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window over `workspace` and restores its saved layout. The
    // status line and the boxes of `ui` are tied to this window.
    TTemplateMain(Workspace& workspace, QtUserInterface& ui, QWidget* parent = nullptr);
    ~TTemplateMain() override;

    Workspace& workspace() { return m_workspace; }
    Shell& shell() { return m_workspace.shell(); }

    // Shows the window normal or maximised, as it was saved.
    void showRestored();

    // Words of the command line the start looks for ("fullrecreate", ...).
    void setCommandWords(std::vector<std::string> words) { m_commandWords = std::move(words); }

    // Second start stage, 100 ms after the window was built.
    void startInitialisation();
    // The second stage itself: status "Инициализация...", caption with the
    // version, offset 0, the draw archive loaded and shown, the combination
    // set generated with the default parameters, then the prefetch files
    // built as the command words and the options ask (the program ends
    // after that when a word asks it to). Runs once.
    void initialise();

    // Re-evaluates every command's enabling and check mark.
    void updateActions();

    // The command's action by name ("DrawsAdd", ...), or nullptr.
    QAction* action(const QString& name) const;
    DrawsPane* drawsPane() const { return m_drawsPane; }
    CombsPane* combsPane() const { return m_combsPane; }
    StatPane* statPane() const { return m_statPane; }
    ScenarioPane* scenarioPane() const { return m_scenarioPane; }
    SystemsPane* systemsPane() const { return m_systemsPane; }
    StakesPane* stakesPane() const { return m_stakesPane; }
    RatingsPane* ratingsPane() const { return m_ratingsPane; }
    TablesPane* tablesPane() const { return m_tablesPane; }
    QTabWidget* leftTabs() const { return m_leftTabs; }
    QTabWidget* rightTabs() const { return m_rightTabs; }
    // Status panel 0..6 (6 is the status line).
    QLabel* statusPanel(int index) const { return m_panels[static_cast<size_t>(index)]; }

    // Saves placement, pane width and list layouts to "Pentad.frm" (once).
    void saveLayout();

signals:
    // The second start stage has run.
    void initialised();

protected:
    // The caption of the window without the version.
    virtual QString designedCaption() const = 0;

    // File dialogs of the commands; an empty result means cancelled. Tests
    // override them to hand in a path without a dialog.
    virtual QString chooseOpenFile(const QString& title, const QString& filter,
                                   const QString& suffix);
    virtual QString chooseSaveFile(const QString& title, const QString& filter,
                                   const QString& suffix);

    // Hands a written document to the desktop's default program.
    virtual void openDocument(const QString& path);

    void closeEvent(QCloseEvent* event) override;

private:
    void createCommands();
    void createExportCommands();
    // Writes the list as shown to a spreadsheet document titled `title` and
    // opens it.
    void exportToSpreadsheet(const QTableView& view, const char* title);
    void createDrawCommands();
    void createStatCommands();
    void createCombCommands();
    void createMenus();
    // Adds the named commands to `menu`, a separator for each null name;
    // returns the items added, separators included, for a context menu.
    QList<QAction*> fillMenu(QMenu& menu, std::span<const char* const> names);
    void createStatMenu();
    void createCombMenu();
    void createPanes();
    void createStatusBar();
    void restoreLayout();

    // Redraws what the last operation changed.
    void applyChanges();
    void updateStatusPanels();
    void offsetEdited(int value);

    // Draw archive commands.
    void drawsAdd();
    void drawsEdit();
    void drawsDelete();
    void drawsImport();
    void drawsExport();
    void drawsInfo();
    void viewColorDraws();

    // Statistics page and favourites commands.
    void computeStatistics(bool force);
    void statMethodChosen(int item);
    void statLengthEntered();
    void togglePrefetchs();
    void toggleTotalLine();
    void filtersManager();
    void filtersReset();
    void filtersInfo();
    void statFilterDialog();

    // Combination set commands.
    void combsGenerate();
    void combsOpen();
    void combsSave();
    void combsInfo();
    void combsCopy();
    void combsPaste();
    void viewColorCombs();

    // The scenario page, its commands and runs (scenario_commands.cpp).
    void createScenarioPages();
    void createScenarioCommands();
    void createScenarioMenu(QMenu* view);
    void bindScenarioRunner();
    void scriptOpen();
    void scriptSave();
    void scriptLoad();
    void scriptLineDialog(int index, bool replace);
    void scriptEmpty();
    void scriptDelete();
    void scriptClear();
    void scriptMove(bool up);
    void scriptTest();
    // Runs `run` with the pages a run must not touch disabled.
    void runScenario(const std::function<void()>& run);
    // Lists and commands that follow whether a run is in progress.
    void updateRunState();

    // The systems page and system stakes (system_commands.cpp).
    void createSystemCommands();
    void createSystemMenu(QMenu* view);
    void systemsToggle();
    void systemsAdd();
    void systemsProp();
    void systemsDelete();
    void systemStake(bool filterByList);

    // The stake, rating and regular-stake pages with their commands
    // (stake_commands.cpp, rating_commands.cpp) and the configuration dialog
    // (config_command.cpp).
    void createStakePages();
    void createStakeCommands();
    void createRatingCommands();
    void createStakeMenus();
    void restoreStakeLayout();
    void saveStakeLayout();
    void loadStakeFiles();
    void refreshStakeViews(unsigned changes);
    void stakeAdd(const TStakeRec& stake);
    void stakeAddMany(bool all);
    void stakeDelete();
    void stakeFilter();
    void ratingsExport();
    void ratingsToScript();
    void ratingsGraph(int kind);
    void setTablesShown(bool shown);
    void tablesAdd();
    void tablesStakeAdd();
    void tablesStakeTest();
    void editConfig();
    void editShredding();

    // The help file (help_commands.cpp).
    void createHelpCommands();
    void createHelpMenu();

    Workspace& m_workspace;
    QtUserInterface& m_ui;
    CommandSet* m_commands;
    QSplitter* m_splitter = nullptr;
    QTabWidget* m_leftTabs = nullptr;
    QTabWidget* m_rightTabs = nullptr;
    DrawsPane* m_drawsPane = nullptr;
    CombsPane* m_combsPane = nullptr;
    StatPane* m_statPane = nullptr;
    ScenarioPane* m_scenarioPane = nullptr;
    SystemsPane* m_systemsPane = nullptr;
    StakesPane* m_stakesPane = nullptr;
    RatingsPane* m_ratingsPane = nullptr;
    TablesPane* m_tablesPane = nullptr;
    // The item the filter dialog showed last, offered again next time.
    TFilterItem m_filterItem;
    std::array<QLabel*, 7> m_panels{};
    bool m_startMaximised = false;
    bool m_initialised = false;
    std::vector<std::string> m_commandWords;
    bool m_layoutSaved = false;
};

}  // namespace pentad
