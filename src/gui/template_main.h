// SPDX-License-Identifier: GPL-3.0-or-later
// The generic main window: the left pane with the draw list, the right pane
// of tabs, the menus and context menus bound to the commands, the seven-panel
// status bar, the two-stage start and the layout saved at shutdown. The
// game's own window derives from it and adds what is specific to the game.
#pragma once

#include <array>
#include <string>

#include <QMainWindow>

#include "shell/workspace.h"

class QLabel;
class QMenu;
class QSplitter;
class QTabWidget;

namespace pentad {

class CommandSet;
class DrawsPane;
class QtUserInterface;

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

    // Second start stage, 100 ms after the window was built.
    void startInitialisation();
    // The second stage itself: status "Инициализация...", caption with the
    // version, offset 0, the draw archive loaded and shown. Runs once.
    void initialise();

    // Re-evaluates every command's enabling and check mark.
    void updateActions();

    // The command's action by name ("DrawsAdd", ...), or nullptr.
    QAction* action(const QString& name) const;
    DrawsPane* drawsPane() const { return m_drawsPane; }
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

    void closeEvent(QCloseEvent* event) override;

private:
    void createCommands();
    void createDrawCommands();
    void createMenus();
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

    Workspace& m_workspace;
    QtUserInterface& m_ui;
    CommandSet* m_commands;
    QSplitter* m_splitter = nullptr;
    QTabWidget* m_leftTabs = nullptr;
    QTabWidget* m_rightTabs = nullptr;
    DrawsPane* m_drawsPane = nullptr;
    std::array<QLabel*, 7> m_panels{};
    bool m_startMaximised = false;
    bool m_initialised = false;
    bool m_layoutSaved = false;
};

}  // namespace pentad
