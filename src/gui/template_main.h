// SPDX-License-Identifier: GPL-3.0-or-later
// The generic main window: the left pane with the draw list and the
// combination set, the right pane of tabs with the statistics page, the menus
// and context menus bound to the commands, the seven-panel status bar, the
// two-stage start and the layout saved at shutdown. The game's own window
// derives from it and adds what is specific to the game.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include <QMainWindow>
#include <QStringList>

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
class CataloguePanel;
class SystemsOnline;
class TablesPane;
class UpdateCommands;
class LanguageMenu;
class ViewTabs;
struct SheetTable;

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

    // The folder given with --dir, handed on to the copy a restart starts.
    void setExplicitFolder(QString folder) { m_explicitFolder = std::move(folder); }

    // Second start stage, 100 ms after the window was built.
    void startInitialisation();
    // The second stage itself (startup.cpp): the stores opened and loaded,
    // then the jobs of the command words and the options, then the first-run
    // dialog. A batch word ends the program once its job is done. Runs once.
    void initialise();

    // Starts the program again with the word "restart" and ends this copy;
    // the new copy waits until this one has let go of the data folder.
    void restart();
    // True once the program was asked to end (it ends when idle).
    bool ending() const { return m_ending; }

    // Re-evaluates every command's enabling and check mark.
    void updateActions();

    // The command's action by name ("DrawsAdd", ...), or nullptr.
    QAction* action(const QString& name) const;
    DrawsPane* drawsPane() const { return m_drawsPane; }
    CombsPane* combsPane() const { return m_combsPane; }
    StatPane* statPane() const { return m_statPane; }
    ScenarioPane* scenarioPane() const { return m_scenarioPane; }
    CataloguePanel* cataloguePanel() const { return m_cataloguePanel; }
    SystemsPane* systemsPane() const { return m_systemsPane; }
    StakesPane* stakesPane() const { return m_stakesPane; }
    RatingsPane* ratingsPane() const { return m_ratingsPane; }
    TablesPane* tablesPane() const { return m_tablesPane; }
    ViewTabs* viewTabs() const { return m_viewTabs; }
    UpdateCommands* updateCommands() const { return m_updates.get(); }
    LanguageMenu* languageMenu() const { return m_languageMenu; }
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
    // Starts `program` with `arguments` in `folder`, not waiting for it.
    virtual bool launchProgram(const QString& program, const QStringList& arguments,
                               const QString& folder);
    // Shows the first-run dialog; true when the user asked not to see it
    // again.
    virtual bool runFirstRunDialog();

    // The close request: during a scenario run the run is asked to stop
    // first and the window closes once it has ended; while any other
    // operation runs it closes once that ends. Closing saves the layout and
    // closes the stake ledger.
    void closeEvent(QCloseEvent* event) override;
    // Hints of the control under the mouse go to the status line when idle.
    bool event(QEvent* event) override;

private:
    // Start-up (startup.cpp): the stores opened and loaded; false when the
    // program must end because another copy holds the data folder.
    bool openStores();
    // Ends the program once the current command has returned.
    void endProgram();
    // The Help menu: the help file, about box, lottery site and the project's
    // web pages.
    void createHelpCommands();
    void createHelpMenu();
    void showAbout();
    // Lets the tool tips of the window's controls show in the status line.
    void mirrorHintsToStatusLine();

    void createCommands();
    void createExportCommands();
    // Writes the list as shown to a spreadsheet document titled `title` and
    // opens it.
    void exportToSpreadsheet(const QTableView& view, const char* title);
    // Writes the table to a spreadsheet document and opens it.
    void exportSheet(const SheetTable& table);
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

    // The draw download, its start-up modes and the proxy dialog
    // (download_commands.cpp). The two start-up steps: "loadonly" (true when
    // the program ends then) and the download by DownloadDrawsOnStart.
    void createDownloadCommands();
    void createDownloadMenus(QMenu* file, QMenu* draws);
    void drawsDownload();
    void editProxy();

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
    std::function<QString(bool save)> systemFileChooser();
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
    CataloguePanel* m_cataloguePanel = nullptr;
    std::unique_ptr<SystemsOnline> m_systemsOnline;
    SystemsPane* m_systemsPane = nullptr;
    StakesPane* m_stakesPane = nullptr;
    RatingsPane* m_ratingsPane = nullptr;
    TablesPane* m_tablesPane = nullptr;
    ViewTabs* m_viewTabs = nullptr;
    std::unique_ptr<UpdateCommands> m_updates;
    LanguageMenu* m_languageMenu = nullptr;
    // The item the filter dialog showed last, offered again next time.
    TFilterItem m_filterItem;
    std::array<QLabel*, 7> m_panels{};
    bool m_startMaximised = false;
    bool m_initialised = false;
    std::vector<std::string> m_commandWords;
    bool m_layoutSaved = false;
    QString m_explicitFolder;
    bool m_ending = false;
    // A close request waits for the running operation to end.
    bool m_closePending = false;
};

}  // namespace pentad
