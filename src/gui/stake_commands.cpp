// SPDX-License-Identifier: GPL-3.0-or-later
// The pages "Ставки", "Рейтинг" and "Регуляры", the commands of the menus
// "Ставки" and "Регуляры" and the start-up loading of the stake files. The
// ledger, the ratings and the rules live in the workspace's stake book; the
// window shows them and redraws what a command changed.
//
// Two keys are shared with window-wide commands: Alt+F4 stakes the selected
// combinations while the combination list has the focus (and exits
// elsewhere), Ctrl+Del deletes stakes while the ledger has the focus.
#include <QAction>
#include <QActionGroup>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTableView>

#include "combs_pane.h"
#include "catalogue_panel.h"
#include "command_set.h"
#include "dialogs/condition_dialog.h"
#include "dialogs/multi_stake_dialog.h"
#include "dialogs/rule_dialog.h"
#include "dialogs/stake_dialog.h"
#include "dialogs/test_count_dialog.h"
#include "draws_pane.h"
#include "gui_texts.h"
#include "key_takeover.h"
#include "models/ratings_model.h"
#include "qt_text.h"
#include "ratings_pane.h"
#include "shell/view_state.h"
#include "stakes/stake_texts.h"
#include "stakes_pane.h"
#include "tables_pane.h"
#include "template_main.h"
#include "window_placement.h"

namespace pentad {
namespace {

constexpr const char* kRatingListName = "lvRatings";

// Stake book change bits.
constexpr unsigned kLedgerChanged = 1;
constexpr unsigned kRatingsChanged = 2;
constexpr unsigned kRulesChanged = 4;
constexpr unsigned kOffsetMoved = 8;

QAction* separatorAction(QObject* parent) {
    auto* separator = new QAction(parent);
    separator->setSeparator(true);
    return separator;
}

}  // namespace

void TTemplateMain::createStakePages() {
    m_stakesPane = new StakesPane(m_workspace, this);
    m_stakesPane->setObjectName(QStringLiteral("tabStakes"));
    m_ratingsPane = new RatingsPane(m_workspace, this);
    m_ratingsPane->setObjectName(QStringLiteral("tabRatings"));
    m_tablesPane = new TablesPane(m_workspace, this);
    m_tablesPane->setObjectName(QStringLiteral("tabTables"));
    m_rightTabs->addTab(m_stakesPane, uiText(texts::kTabStakes));
    m_rightTabs->addTab(m_ratingsPane, uiText(texts::kTabRatings));
    const int tables = m_rightTabs->addTab(m_tablesPane, uiText(texts::kTabTables));
    m_rightTabs->setTabVisible(tables, m_workspace.form().TabTables);

    connect(m_stakesPane, &StakesPane::selectionChanged, this, &TTemplateMain::updateActions);
    connect(m_ratingsPane, &RatingsPane::selectionChanged, this, &TTemplateMain::updateActions);
    connect(m_tablesPane, &TablesPane::selectionChanged, this, &TTemplateMain::updateActions);
    connect(m_ratingsPane, &RatingsPane::rowActivated, this, [this] {
        QAction* graph = action(QStringLiteral("RatingsGraphOverlap"));
        if (graph != nullptr && graph->isEnabled()) {
            graph->trigger();
        }
    });
    // A double-click on a combination stakes it, as "Сделать ставку" does.
    connect(m_combsPane->view(), &QTableView::doubleClicked, this, [this] {
        QAction* add = action(QStringLiteral("StakeAdd"));
        if (add != nullptr && add->isEnabled()) {
            add->trigger();
        }
    });
    m_ratingsPane->model()->setSorter([this](int column, bool descending) {
        if (shell().isIdle()) {
            m_workspace.stakes().SortRatings(column, descending);
        }
        // A click refused while busy puts the old sort mark back.
        const StakeBook& book = m_workspace.stakes();
        m_ratingsPane->refresh(true, book.ratingsSortColumn, book.ratingsDescending);
        applyChanges();
    });
}

void TTemplateMain::createStakeCommands() {
    StakeBook* book = &m_workspace.stakes();
    auto ledgerOpen = [book] { return book->ledger().isOpen(); };
    auto ledgerFilled = [book] { return book->ledger().isOpen() && !book->ledger().IsEmpty(); };
    auto combsFilled = [this, ledgerOpen] { return ledgerOpen() && !m_workspace.combs().empty(); };
    auto tablesShown = [this] { return m_workspace.form().TabTables; };

    // The configuration holds the prize table the stakes are scored by.
    m_commands->add({.name = "EditConfig", .caption = texts::kCmdEditConfig, .execute = [this] {
                         editConfig();
                     }});
    m_commands->add({.name = "EditShredding",
                     .caption = texts::kCmdEditShredding,
                     .hint = texts::kHintEditShredding,
                     .execute = [this] { editShredding(); }});

    m_commands->add({.name = "StakeAdd",
                     .caption = texts::kCmdStakeAdd,
                     .key = QKeySequence(Qt::Key_F4),
                     .enabled = ledgerOpen,
                     .execute = [this, book] {
                         const int row = m_combsPane->currentRow();
                         const bool focused = row >= 0 && row < m_workspace.combs().CombsCount();
                         TStakeRec stake = book->newStake(
                             kStakeManual, focused ? m_workspace.combs().at(row) : TCombRec{},
                             texts::kManualComment);
                         if (!focused) {
                             stake.Stake.Count = 0;
                         }
                         stakeAdd(stake);
                     }});
    m_commands->add(
        {.name = "StakeAddRandom",
         .caption = texts::kCmdStakeAddRandom,
         .key = QKeySequence(Qt::CTRL | Qt::Key_F4),
         .enabled = combsFilled,
         .execute = [this, book] {
             const CombinationSet& combs = m_workspace.combs();
             const int row = static_cast<int>(
                 QRandomGenerator::global()->bounded(static_cast<quint32>(combs.CombsCount())));
             stakeAdd(book->newStake(kStakeManual, combs.at(row), texts::kManualComment));
         }});
    m_commands->add(
        {.name = "StakeAddSelected",
         .caption = texts::kCmdStakeAddSelected,
         .key = QKeySequence(Qt::ALT | Qt::Key_F4),
         .keyContext = Qt::WidgetShortcut,
         .enabled = [this, ledgerOpen] { return ledgerOpen() && m_combsPane->hasSelection(); },
         .execute = [this] { stakeAddMany(false); }});
    m_commands->add({.name = "StakeAddAll",
                     .caption = texts::kCmdStakeAddAll,
                     .key = QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F4),
                     .enabled = combsFilled,
                     .execute = [this] { stakeAddMany(true); }});
    m_commands->add({.name = "StakeDel",
                     .caption = texts::kCmdStakeDel,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_Delete),
                     .keyContext = Qt::WidgetShortcut,
                     .enabled =
                         [this, ledgerFilled] {
                             return ledgerFilled() && m_stakesPane->selectedRange().first > 0;
                         },
                     .execute = [this] { stakeDelete(); }});
    m_commands->add({.name = "StakeFilter",
                     .caption = texts::kCmdStakeFilter,
                     .key = QKeySequence(Qt::ALT | Qt::Key_D),
                     .enabled = ledgerFilled,
                     .execute = [this] { stakeFilter(); }});
    m_commands->add({.name = "StakeClear",
                     .caption = texts::kCmdStakeClear,
                     .key = QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Delete),
                     .enabled = ledgerFilled,
                     .execute = [book] { book->ClearStakes(); }});
    m_commands->add({.name = "StakesCheckManual",
                     .caption = texts::kCmdStakesCheckManual,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_F5),
                     .enabled = ledgerFilled,
                     .execute = [book] { book->CheckAndRefresh(); }});

    // View options of the ledger, written the moment they change.
    struct Toggle {
        const char* name;
        const char* caption;
        const char* key;
        bool MainFormSettings::*field;
    };
    const Toggle toggles[] = {
        {"StakesScroll", texts::kCmdStakesScroll, "StakesScrollEnabled",
         &MainFormSettings::StakesScrollEnabled},
        {"StakesCheckLine", texts::kCmdStakesCheckLine, "StakesCheckOnLine",
         &MainFormSettings::StakesCheckOnLine},
        {"LogStakes", texts::kCmdLogStakes, "StakesLogEnabled",
         &MainFormSettings::StakesLogEnabled},
    };
    for (const Toggle& t : toggles) {
        m_commands->add({.name = t.name,
                         .caption = t.caption,
                         .execute =
                             [this, t] {
                                 BusyScope busy(shell());
                                 m_workspace.setViewOption(t.key, !(m_workspace.form().*t.field));
                             },
                         .checked = [this, t] { return m_workspace.form().*t.field; }});
    }
    m_commands->add({.name = "LogStakesDelete",
                     .caption = texts::kCmdLogStakesDelete,
                     .execute = [book] { book->log().DeleteLogs(); }});

    // Regular stakes, only while their page is shown.
    m_commands->add({.name = "TablesAdd",
                     .caption = texts::kCmdTablesAdd,
                     .enabled = tablesShown,
                     .execute = [this] { tablesAdd(); }});
    m_commands->add(
        {.name = "TablesDel",
         .caption = texts::kCmdTablesDel,
         .enabled =
             [this, tablesShown] { return tablesShown() && !m_tablesPane->selectedRows().empty(); },
         .execute = [this, book] { book->DeleteRules(m_tablesPane->selectedRows()); }});
    m_commands->add(
        {.name = "TablesStakeAdd",
         .caption = texts::kCmdTablesStakeAdd,
         .enabled = [this,
                     tablesShown] { return tablesShown() && m_tablesPane->currentRow() >= 0; },
         .execute = [this] { tablesStakeAdd(); }});
    m_commands->add(
        {.name = "TablesStakeTest",
         .caption = texts::kCmdTablesStakeTest,
         .enabled =
             [this, tablesShown] { return tablesShown() && !m_tablesPane->selectedRows().empty(); },
         .execute = [this] { tablesStakeTest(); }});
    m_commands->add({.name = "TabTables",
                     .caption = texts::kCmdTabTables,
                     .execute = [this] { setTablesShown(!m_workspace.form().TabTables); },
                     .checked = [this] { return m_workspace.form().TabTables; }});
}

void TTemplateMain::createStakeMenus() {
    // Each menu's items, separators included, also make its list's context menu.
    auto addMenu = [this](const char* title, std::initializer_list<const char*> names) {
        QMenu* menu = menuBar()->addMenu(uiText(title));
        return std::pair{menu, fillMenu(*menu, {names.begin(), names.size()})};
    };
    addMenu(
        texts::kMenuStakes,
        {"StakeAdd", "StakeAddRandom", "StakeAddSelected", "StakeAddAll", nullptr, "StakeDel",
         "StakeFilter", "StakeClear", nullptr, "StakesCheckManual", nullptr, "StakesScroll",
         "StakesCheckLine", nullptr, "LogStakes", "LogStakesDelete", nullptr, "StakesXlsExport"});
    m_stakesPane->bindCommands({action(QStringLiteral("StakeDel")),
                                action(QStringLiteral("StakeFilter")),
                                action(QStringLiteral("StakeClear")), separatorAction(this),
                                action(QStringLiteral("StakesCheckManual")), separatorAction(this),
                                action(QStringLiteral("StakesGraphDraws"))});

    auto [ratings, ratingItems] = addMenu(
        texts::kMenuRatings, {"RatingsRefresh", "RatingsExport", "RatingsXlsExport", nullptr,
                              "RatingsToScript", nullptr, "StakesGraphDraws", "StakesGraphOverlap",
                              "StakesGraphProfits", "RatingsGraphOverlap", nullptr});
    QMenu* effModes = ratings->addMenu(uiText(texts::kMenuEffMode));
    auto* effGroup = new QActionGroup(this);
    for (int mode = 0; mode < 3; ++mode) {
        QAction* item = action(QStringLiteral("RatingsEffMode%1").arg(mode));
        effGroup->addAction(item);
        effModes->addAction(item);
    }
    ratingItems.append(effModes->menuAction());
    m_ratingsPane->bindCommands(ratingItems);

    m_tablesPane->bindCommands(addMenu(texts::kMenuTables, {"TablesAdd", "TablesDel", nullptr,
                                                            "TablesStakeAdd", "TablesStakeTest"})
                                   .second);

    // The combination list offers its stakes too, and keeps Alt+F4 for them.
    QTableView* combsList = m_combsPane->view();
    combsList->addActions({separatorAction(this), action(QStringLiteral("StakeAdd")),
                           action(QStringLiteral("StakeAddRandom")),
                           action(QStringLiteral("StakeAddSelected")),
                           action(QStringLiteral("StakeAddAll"))});
    KeyTakeover::install(combsList, {action(QStringLiteral("StakeAddSelected"))});
    KeyTakeover::install(m_stakesPane->view(), {action(QStringLiteral("StakeDel"))});
}

void TTemplateMain::restoreStakeLayout() {
    const IniFile& frm = m_workspace.frm();
    restoreColumnWidths(*m_stakesPane->view(), frm, kMainFormSection);
    restoreColumnWidths(*m_ratingsPane->view(), frm, kMainFormSection);
    restoreColumnWidths(*m_tablesPane->view(), frm, kMainFormSection);
    restoreColumnWidths(*m_cataloguePanel->view(), frm, kMainFormSection);
    StakeBook& book = m_workspace.stakes();
    int column = 0;
    int direction = 0;
    if (readSortType(frm, kMainFormSection, kRatingListName, column, direction) && column >= 0 &&
        column < kRatingColumns) {
        book.ratingsSortColumn = column;
        book.ratingsDescending = direction != 0;
    }
    m_ratingsPane->refresh(false, book.ratingsSortColumn, book.ratingsDescending);
}

void TTemplateMain::saveStakeLayout() {
    IniFile& frm = m_workspace.frm();
    saveColumnWidths(*m_stakesPane->view(), frm, kMainFormSection);
    saveColumnWidths(*m_ratingsPane->view(), frm, kMainFormSection);
    saveColumnWidths(*m_tablesPane->view(), frm, kMainFormSection);
    saveColumnWidths(*m_cataloguePanel->view(), frm, kMainFormSection);
    const StakeBook& book = m_workspace.stakes();
    writeSortType(frm, kMainFormSection, kRatingListName, book.ratingsSortColumn,
                  book.ratingsDescending ? 1 : 0);
}

void TTemplateMain::loadStakeFiles() {
    StakeBook& book = m_workspace.stakes();
    book.LoadRatings();
    if (m_workspace.form().TabTables) {
        book.LoadRules();
    }
    // Draws that came in since the last run score the stakes made for them.
    book.CheckAndRefresh();
}

void TTemplateMain::refreshStakeViews(unsigned changes) {
    const StakeBook& book = m_workspace.stakes();
    if ((changes & kLedgerChanged) != 0) {
        m_stakesPane->refresh(m_workspace.form().StakesScrollEnabled);
    }
    if ((changes & kRatingsChanged) != 0) {
        m_ratingsPane->refresh(true, book.ratingsSortColumn, book.ratingsDescending);
    }
    if ((changes & kRulesChanged) != 0) {
        m_tablesPane->refresh();
    }
    if ((changes & kOffsetMoved) != 0) {
        m_drawsPane->refresh(false);
    }
}

void TTemplateMain::stakeAdd(const TStakeRec& stake) {
    StakeDialog dialog(shell(), stake, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (m_workspace.stakes().CreateStake(dialog.stake(), dialog.draws())) {
        // A stake made by hand is always brought into view.
        m_stakesPane->refresh(true);
    }
}

void TTemplateMain::stakeAddMany(bool all) {
    const std::optional<MultiStakeInput> input =
        MultiStakeDialog::ask(this, m_workspace.stakes().nextDraw(), texts::kManualComment);
    if (!input) {
        return;
    }
    std::vector<int> rows;
    if (all) {
        rows.resize(static_cast<size_t>(m_workspace.combs().CombsCount()));
        for (size_t i = 0; i < rows.size(); ++i) {
            rows[i] = static_cast<int>(i);
        }
    } else {
        rows = m_combsPane->selectedRows();
    }
    m_workspace.stakes().CreateStakesFor(rows, input->drawNumber, input->draws, input->comment);
    if (!all) {
        m_combsPane->view()->clearSelection();
    }
}

void TTemplateMain::stakeDelete() {
    const auto [first, last] = m_stakesPane->selectedRange();
    if (first > 0) {
        m_workspace.stakes().DeleteStakes(first, last);
    }
}

void TTemplateMain::stakeFilter() {
    ConditionDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        m_workspace.stakes().DeleteByCondition(dialog.mode(), dialog.value());
    }
}

void TTemplateMain::setTablesShown(bool shown) {
    BusyScope busy(shell());
    m_workspace.setViewOption("TabTables", shown);
    m_rightTabs->setTabVisible(m_rightTabs->indexOf(m_tablesPane), shown);
    StakeBook& book = m_workspace.stakes();
    // A hidden page holds no rules; showing it reads them from the file.
    if (shown) {
        book.LoadRules();
    } else {
        book.clearRules();
    }
    m_tablesPane->refresh();
}

void TTemplateMain::tablesAdd() {
    const std::vector<int> selected = m_combsPane->selectedRows();
    TTableRec rule;
    rule.Comment = texts::kRuleDefaultComment;
    rule.Step = 1;
    if (selected.size() == 1) {
        rule.Start = m_workspace.combs().at(selected.front()).Digits;
    }
    StakeBook& book = m_workspace.stakes();
    RuleDialog dialog(shell(), rule, book.rules(), static_cast<int>(selected.size()), this);
    if (dialog.exec() == QDialog::Accepted) {
        book.AddRules(dialog.rule(), selected);
    }
}

void TTemplateMain::tablesStakeAdd() {
    const int row = m_tablesPane->currentRow();
    StakeBook& book = m_workspace.stakes();
    if (row < 0 || row >= static_cast<int>(book.rules().size())) {
        return;
    }
    // The rule advances only when the stake is confirmed.
    const auto [stake, advanced] = book.RuleStake(row);
    StakeDialog dialog(shell(), stake, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (book.CommitRuleStake(row, advanced, dialog.stake(), dialog.draws())) {
        m_stakesPane->refresh(true);
    }
}

void TTemplateMain::tablesStakeTest() {
    const std::vector<int> rows = m_tablesPane->selectedRows();
    const std::optional<int> tests = TestCountDialog::ask(this, m_workspace.archive().count() - 1);
    if (tests) {
        m_workspace.stakes().TestRules(rows, *tests);
        m_stakesPane->refresh(true);
    }
}

}  // namespace pentad
