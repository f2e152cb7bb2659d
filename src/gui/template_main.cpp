// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of the main window: panes, status bar, menus, the start-up stage
// and the layout kept in "Pentad.frm".
#include "template_main.h"

#include "catalogue_panel.h"
#include "systems_online.h"
#include "update_commands.h"

#include <algorithm>

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include "combs_pane.h"
#include "command_set.h"
#include "draws_pane.h"
#include "language_menu.h"
#include "filters/combination_texts.h"
#include "game/game_texts.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "qt_user_interface.h"
#include "scenario_pane.h"
#include "shell/error.h"
#include "shell/messages.h"
#include "shell/view_state.h"
#include "stakes/stake_texts.h"
#include "stat_pane.h"
#include "stats/stat_texts.h"
#include "systems_pane.h"
#include "view_tabs.h"
#include "window_placement.h"

namespace pentad {
namespace {

constexpr const char* kStatListName = "lvStat";
constexpr int kStartTimerMs = 100;
constexpr int kStatusLinePanel = 6;
// The share of the screen's width and height the window takes at first start.
constexpr double kFirstStartScreenShare = 0.9;
// Minimum widths of status panels 1..6; the status line takes the rest.
constexpr std::array<int, 6> kPanelWidths = {130, 140, 90, 120, 90, 90};

// The longest texts status panels 1..6 are expected to show.
std::array<std::string, 6> longestPanelTexts() {
    return {format(texts::kPanelDraws, 999999),
            format(texts::kPanelNextDraw, 999999),
            "9;9;9;9;9",
            format(texts::kPanelCombs, 100000),
            format(texts::kPanelStakes, 9999999),
            format(texts::kPanelRatings, 999999)};
}

// Widens a status panel to hold `text` whole: a cut number reads as another.
void holdText(QLabel& panel, const QString& text) {
    const QMargins margins = panel.contentsMargins();
    const int width = panel.fontMetrics().horizontalAdvance(text) + margins.left() +
                      margins.right() + 2 * panel.frameWidth() + 2 * panel.margin();
    if (width > panel.minimumWidth()) {
        panel.setMinimumWidth(width);
    }
}

QString fromUtf8(const char* text) {
    return QString::fromUtf8(text);
}

// The open or save dialog of a command; empty when cancelled.
QString runFileDialog(QWidget* parent, const QString& folder, QFileDialog::AcceptMode mode,
                      const QString& title, const QString& filter, const QString& suffix) {
    const bool open = mode == QFileDialog::AcceptOpen;
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setLabelText(QFileDialog::Accept,
                        uiText(open ? texts::kFileDialogOpen : texts::kFileDialogSave));
    dialog.setLabelText(QFileDialog::Reject, uiText(texts::kButtonCancel));
    dialog.setLabelText(QFileDialog::FileName, uiText(texts::kFileDialogFileName));
    dialog.setLabelText(QFileDialog::FileType, uiText(texts::kFileDialogFileType));
    dialog.setLabelText(QFileDialog::LookIn, uiText(texts::kFileDialogLookIn));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

}  // namespace

TTemplateMain::TTemplateMain(Workspace& workspace, QtUserInterface& ui, QWidget* parent)
    : QMainWindow(parent),
      m_workspace(workspace),
      m_ui(ui),
      m_commands(new CommandSet(workspace.shell(), this)) {
    m_ui.setWindow(this);
    resize(1100, 720);
    createPanes();
    createStatusBar();
    createCommands();
    createMenus();
    restoreLayout();

    m_commands->setAfterCommand([this] { applyChanges(); });
    connect(&m_ui, &QtUserInterface::busyStateChanged, this, [this](bool busy) {
        updateActions();
        // A close asked for while busy happens once the operation is over.
        if (!busy && m_closePending) {
            QTimer::singleShot(0, this, &QWidget::close);
        }
    });
    connect(m_drawsPane, &DrawsPane::selectionChanged, this, &TTemplateMain::updateActions);
    connect(m_drawsPane, &DrawsPane::offsetEdited, this, &TTemplateMain::offsetEdited);
    connect(m_drawsPane, &DrawsPane::rowActivated, this, [this] {
        QAction* info = action(QStringLiteral("DrawsInfo"));
        if (info != nullptr && info->isEnabled()) {
            info->trigger();
        }
    });
    connect(m_statPane, &StatPane::methodChosen, this, &TTemplateMain::statMethodChosen);
    connect(m_statPane, &StatPane::lengthEntered, this, &TTemplateMain::statLengthEntered);
    connect(m_statPane, &StatPane::selectionChanged, this, &TTemplateMain::updateActions);
    connect(m_combsPane, &CombsPane::selectionChanged, this, &TTemplateMain::updateActions);
    connect(m_viewTabs, &ViewTabs::selectionChanged, this, &TTemplateMain::updateActions);
    connect(m_combsPane, &CombsPane::excludeCountChanged, this, [this](int value) {
        m_workspace.form().DrawsExclude = value;
        updateActions();
    });
    connect(m_combsPane, &CombsPane::excludeEntered, this, [this] {
        QAction* exclude = action(QStringLiteral("CombsDelExists"));
        if (exclude != nullptr && exclude->isEnabled()) {
            exclude->trigger();
        }
    });
    // "Вставить из буфера" is enabled while the clipboard holds text.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &TTemplateMain::updateActions);
    mirrorHintsToStatusLine();
    applyChanges();
}

TTemplateMain::~TTemplateMain() {
    m_workspace.runner().onStatus = nullptr;
    m_workspace.runner().onLine = nullptr;
    m_ui.setStatusPanel(nullptr);
    m_ui.setWindow(nullptr);
}

void TTemplateMain::createPanes() {
    m_drawsPane = new DrawsPane(m_workspace, this);
    m_combsPane = new CombsPane(m_workspace, this);
    m_leftTabs = new QTabWidget(this);
    m_leftTabs->setObjectName(QStringLiteral("pcLeft"));
    m_leftTabs->addTab(m_drawsPane, uiText(texts::kTabDraws));
    m_leftTabs->addTab(m_combsPane, uiText(texts::kTabCombs));

    // The further analysis pages are added here as they come.
    m_statPane = new StatPane(m_workspace.statPage(), this);
    m_rightTabs = new QTabWidget(this);
    m_rightTabs->setObjectName(QStringLiteral("pcRight"));
    m_rightTabs->addTab(m_statPane, uiText(texts::kStatPageCaption));
    m_viewTabs = new ViewTabs(m_workspace, m_rightTabs, this);
    createStakePages();
    // The systems and scenario pages close the row of tabs.
    createScenarioPages();

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("spMain"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_leftTabs);
    m_splitter->addWidget(m_rightTabs);
    // Extra width goes to the analysis pages; the draw list keeps its width.
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);
}

void TTemplateMain::createStatusBar() {
    for (size_t i = 0; i < m_panels.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("sbPanel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
        if (i < kPanelWidths.size()) {
            panel->setMinimumWidth(kPanelWidths[i]);
            holdText(*panel, uiText(longestPanelTexts()[i]));
            statusBar()->addWidget(panel);
        } else {
            statusBar()->addWidget(panel, 1);
        }
        m_panels[i] = panel;
    }
    m_ui.setStatusPanel(m_panels[kStatusLinePanel]);
}

void TTemplateMain::createCommands() {
    m_commands->add({.name = "ExitProgram",
                     .caption = texts::kCmdExitProgram,
                     .key = QKeySequence(Qt::ALT | Qt::Key_F4),
                     .execute = [this] { close(); }});
    createDrawCommands();
    createDownloadCommands();
    createCombCommands();
    createStatCommands();
    createStakeCommands();
    createRatingCommands();
    createScenarioCommands();
    createSystemCommands();
    createExportCommands();
    m_viewTabs->createCommands(*m_commands, [this](const SheetTable& t) { exportSheet(t); });
    createHelpCommands();
    m_updates = std::make_unique<UpdateCommands>(m_workspace, this, [this] { restart(); });
    m_updates->createCommands(*m_commands);
}

QList<QAction*> TTemplateMain::fillMenu(QMenu& menu, std::span<const char* const> names) {
    QList<QAction*> items;
    for (const char* name : names) {
        if (name == nullptr) {
            items.append(menu.addSeparator());
        } else {
            items.append(action(fromUtf8(name)));
            menu.addAction(items.back());
        }
    }
    return items;
}

void TTemplateMain::createMenus() {
    QMenu* file = menuBar()->addMenu(uiText(texts::kMenuFile));
    file->addAction(action(QStringLiteral("EditConfig")));
    file->addAction(action(QStringLiteral("EditShredding")));
    file->addSeparator();
    file->addAction(action(QStringLiteral("ExitProgram")));

    const char* drawCommands[] = {"DrawsDownload",  nullptr, "DrawsAdd",    "DrawsEdit",
                                  "DrawsDel",       nullptr, "DrawsImport", "DrawsExport",
                                  "DrawsXlsExport", nullptr, "DrawsInfo",   nullptr,
                                  "DrawsSorted"};
    QMenu* draws = menuBar()->addMenu(uiText(texts::kMenuDraws));
    const QList<QAction*> contextMenu = fillMenu(*draws, drawCommands);
    m_drawsPane->bindCommands(action(QStringLiteral("DrawsAdd")),
                              action(QStringLiteral("DrawsDel")), contextMenu);
    createDownloadMenus(file, draws);
    // "Язык интерфейса" stands apart between the settings and "Выход".
    QAction* exitItem = action(QStringLiteral("ExitProgram"));
    m_languageMenu = new LanguageMenu(m_workspace, *file, exitItem, [this] { restart(); });
    file->insertSeparator(exitItem);

    createCombMenu();
    createStatMenu();
    createStakeMenus();

    QMenu* view = menuBar()->addMenu(uiText(texts::kMenuView));
    view->addAction(action(QStringLiteral("ViewColorDraws")));
    view->addAction(action(QStringLiteral("ViewColorCombs")));
    view->addSeparator();
    view->addAction(action(QStringLiteral("TabTables")));
    m_viewTabs->fillMenus(*menuBar(), *view, action(QStringLiteral("ViewColorCombs")),
                          action(QStringLiteral("TabTables")));
    // Both go before "Вид" in the menu bar.
    createSystemMenu(view);
    createScenarioMenu(view);
    createHelpMenu();
}

void TTemplateMain::restoreLayout() {
    shell().guard(texts::kErrorLoadParameters, [&] {
        IniFile& frm = m_workspace.frm();
        m_startMaximised =
            restoreWindowPlacement(*this, frm, kMainFormSection, kFirstStartScreenShare);
        const int left = std::max(50, m_workspace.form().LeftPanelWidth);
        m_splitter->setSizes({left, std::max(1, width() - left)});
        restoreColumnWidths(*m_drawsPane->view(), frm, kMainFormSection);
        m_viewTabs->followNumberColumn(*m_drawsPane->view());
        // The statistics list keeps the norm columns to the comparison option.
        std::vector<int> widths = m_statPane->columnWidths();
        readColumnWidths(frm, kMainFormSection, kStatListName, widths);
        m_statPane->setColumnWidths(widths);
        restoreColumnWidths(*m_combsPane->view(), frm, kMainFormSection);
        restoreColumnWidths(*m_combsPane->filtersView(), frm, kMainFormSection);
        int column = 0;
        int direction = 0;
        if (readSortType(frm, kMainFormSection, kStatListName, column, direction)) {
            m_workspace.statPage().sortBy(column, direction != 0);
        }
        const MainFormSettings& form = m_workspace.form();
        if (!form.PrefetchsInit) {
            // The first start records the comparison option it started with.
            m_workspace.setViewOption("PrefetchsInit", true);
            m_workspace.setViewOption("PrefetchsEnabled", form.PrefetchsEnabled);
        }
        m_statPane->setChartHeight(form.DrawsStatHeight > 0 ? form.DrawsStatHeight
                                                            : kDesignedStatHeight);
        m_combsPane->setFiltersHeight(form.FiltersHeight > 0 ? form.FiltersHeight
                                                             : kDesignedFiltersHeight);
        restoreStakeLayout();
        restoreColumnWidths(*m_scenarioPane->view(), frm, kMainFormSection);
        restoreColumnWidths(*m_systemsPane->view(), frm, kMainFormSection);
        m_viewTabs->restoreLayout();
    });
}

void TTemplateMain::saveLayout() {
    if (m_layoutSaved) {
        return;
    }
    m_layoutSaved = true;
    shell().guard(texts::kErrorWriteConfig, [&] {
        IniFile& frm = m_workspace.frm();
        saveWindowPlacement(*this, frm, kMainFormSection);
        MainFormSettings& form = m_workspace.form();
        const QList<int> sizes = m_splitter->sizes();
        if (!sizes.isEmpty() && sizes.first() > 0) {
            form.LeftPanelWidth = sizes.first();
        }
        form.DrawsStatLen = m_workspace.statPage().length();
        form.DrawsStatHeight = m_statPane->chartHeight();
        form.FiltersHeight = m_combsPane->filtersHeight();
        if (m_cataloguePanel->isVisible() && m_cataloguePanel->height() > 0) {
            form.ScriptLibraryHeight = m_cataloguePanel->height();
        }
        m_viewTabs->storeLayout();
        form.saveLayout(frm);
        IniFile::Batch batch(frm);
        saveColumnWidths(*m_drawsPane->view(), frm, kMainFormSection);
        writeColumnWidths(frm, kMainFormSection, kStatListName, m_statPane->columnWidths());
        saveColumnWidths(*m_combsPane->view(), frm, kMainFormSection);
        saveColumnWidths(*m_combsPane->filtersView(), frm, kMainFormSection);
        saveStakeLayout();
        saveColumnWidths(*m_scenarioPane->view(), frm, kMainFormSection);
        saveColumnWidths(*m_systemsPane->view(), frm, kMainFormSection);
        const StatPage& page = m_workspace.statPage();
        writeSortType(frm, kMainFormSection, kStatListName, page.sortColumn(),
                      page.sortDescending() ? 1 : 0);
    });
}

void TTemplateMain::showRestored() {
    if (m_startMaximised) {
        showMaximized();
    } else {
        show();
    }
}

void TTemplateMain::startInitialisation() {
    QTimer::singleShot(kStartTimerMs, this, &TTemplateMain::initialise);
}

QAction* TTemplateMain::action(const QString& name) const {
    return m_commands->action(name);
}

void TTemplateMain::updateActions() {
    m_commands->update();
    const bool idle = m_workspace.shell().isIdle();
    m_drawsPane->setIdle(idle);
    m_statPane->setIdle(idle);
    m_combsPane->setIdle(idle);
    m_viewTabs->setIdle(idle);
}

void TTemplateMain::applyChanges() {
    const unsigned changes = m_workspace.takeChanges();
    m_drawsPane->refresh((changes & kChangeDraws) != 0);
    // Everything computed from the archive follows its changes.
    // The regular-stake test moves the offset draw by draw; nothing follows it.
    if ((changes & (kChangeDraws | kChangeOffset | kChangeViews)) != 0 &&
        !m_workspace.stakes().refreshSuspended()) {
        computeStatistics(true);
    }
    m_statPane->refresh(m_workspace.statPage().PrefetchsEnabled);
    m_viewTabs->applyChanges(changes);
    m_combsPane->refresh(m_workspace.combs().TakeChanged());
    refreshStakeViews(m_workspace.stakes().takeChanges());
    m_scenarioPane->refresh();
    updateStatusPanels();
    updateActions();
}

void TTemplateMain::updateStatusPanels() {
    const std::array<std::string, 3> archive = m_workspace.archive().statusTexts();
    for (size_t i = 0; i < archive.size(); ++i) {
        m_panels[i]->setText(uiText(archive[i]));
    }
    m_panels[3]->setText(uiText(m_workspace.combs().StatusPanelText()));
    m_panels[4]->setText(uiText(m_workspace.stakes().stakesPanelText()));
    m_panels[5]->setText(uiText(m_workspace.stakes().ratingsPanelText()));
    for (size_t i = 0; i < kPanelWidths.size(); ++i) {
        holdText(*m_panels[i], m_panels[i]->text());
    }
}

void TTemplateMain::offsetEdited(int value) {
    if (shell().isIdle()) {
        m_workspace.setOffset(value);
    }
    // A value refused while busy snaps back to the current offset.
    applyChanges();
}

QString TTemplateMain::chooseOpenFile(const QString& title, const QString& filter,
                                      const QString& suffix) {
    return runFileDialog(this, toQString(m_workspace.folder()), QFileDialog::AcceptOpen, title,
                         filter, suffix);
}

QString TTemplateMain::chooseSaveFile(const QString& title, const QString& filter,
                                      const QString& suffix) {
    return runFileDialog(this, toQString(m_workspace.folder()), QFileDialog::AcceptSave, title,
                         filter, suffix);
}

}  // namespace pentad
