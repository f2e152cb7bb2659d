// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the menu "Статистика": computing the statistics table,
// the comparison with the full set and its ideal line, the favourite
// methods and their descriptions, and the filters that cut the combination
// set by the selected rows or by one filter item.
//
// F7 and Ctrl+F7 belong to two commands each: the keep / delete filters of
// the statistics table and the favourites commands. Inside the table the
// keys run the table's command (the favourites one when the filter cannot
// run); everywhere else they run the favourites command.
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>

#include "command_set.h"
#include "dialogs/description_dialog.h"
#include "dialogs/favourites_dialog.h"
#include "dialogs/filter_dialog.h"
#include "filters/filter_texts.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "stat_pane.h"
#include "stats/stat_texts.h"
#include "template_main.h"

namespace pentad {
namespace {

// Restores the list's weights when a filter item brought its own.
class SavedWeights {
public:
    explicit SavedWeights(TStatList& list) : m_list(list) { m_list.SaveWeights(); }
    ~SavedWeights() { m_list.RestoreWeights(); }
    SavedWeights(const SavedWeights&) = delete;
    SavedWeights& operator=(const SavedWeights&) = delete;

private:
    TStatList& m_list;
};

}  // namespace

void TTemplateMain::createStatCommands() {
    StatPage* page = &m_workspace.statPage();
    auto methodChosen = [this, page] {
        return !m_workspace.archive().empty() && page->selectedEntry() >= 0;
    };
    m_commands->add({.name = "DrawsStatCalc",
                     .caption = texts::kCmdStatCalc,
                     .enabled = methodChosen,
                     .execute = [this] { computeStatistics(true); }});
    m_commands->add({.name = "DrawsStatShowTotalLine",
                     .caption = texts::kCmdShowTotalLine,
                     .enabled = [page] { return page->PrefetchsEnabled; },
                     .execute = [this] { toggleTotalLine(); },
                     .checked = [page] { return page->ShowTotalLine; }});
    m_commands->add({.name = "DrawsStatePrefetchsEnabled",
                     .caption = texts::kCmdPrefetchsEnabled,
                     .execute = [this] { togglePrefetchs(); },
                     .checked = [page] { return page->PrefetchsEnabled; }});
    m_commands->add({.name = "FiltersManager",
                     .caption = texts::kCmdFiltersManager,
                     .key = QKeySequence(Qt::Key_F7),
                     .hint = texts::kHintFiltersManager,
                     .execute = [this] { filtersManager(); }});
    m_commands->add({.name = "FiltersReset",
                     .caption = texts::kCmdFiltersReset,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_F7),
                     .hint = texts::kHintFiltersReset,
                     .execute = [this] { filtersReset(); }});
    m_commands->add({.name = "FiltersInfo",
                     .caption = texts::kCmdFiltersInfo,
                     .key = QKeySequence(Qt::Key_F8),
                     .hint = texts::kHintFiltersInfo,
                     .enabled =
                         [this, page] {
                             return page->selectedEntry() >= 0 &&
                                    !m_workspace.stats().HelpFile.empty();
                         },
                     .execute = [this] { filtersInfo(); }});
    // The table's keys work only inside the table (see the top of the file).
    auto canFilter = [this] { return m_workspace.filters().CanStatFilter(); };
    m_commands->add({.name = "StatFilter_Include",
                     .caption = texts::kKeepSelected,
                     .key = QKeySequence(Qt::Key_F7),
                     .keyContext = Qt::WidgetShortcut,
                     .hint = texts::kHintStatInclude,
                     .enabled = canFilter,
                     .execute = [this] { m_workspace.filters().StatFilter(false); }});
    m_commands->add({.name = "StatFilter_Exclude",
                     .caption = texts::kDeleteSelected,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_F7),
                     .keyContext = Qt::WidgetShortcut,
                     .hint = texts::kHintStatExclude,
                     .enabled = canFilter,
                     .execute = [this] { m_workspace.filters().StatFilter(true); }});
    m_commands->add(
        {.name = "StatFilter_Dialog",
         .caption = texts::kFilterDialogCaption,
         .hint = texts::kHintStatFilterDialog,
         .enabled = [this, methodChosen] { return methodChosen() && !m_workspace.combs().empty(); },
         .execute = [this] { statFilterDialog(); }});
}

void TTemplateMain::createStatMenu() {
    const char* names[] = {"DrawsStatCalc",
                           nullptr,
                           "DrawsStatShowTotalLine",
                           "DrawsStatePrefetchsEnabled",
                           nullptr,
                           "FiltersManager",
                           "FiltersReset",
                           "FiltersInfo",
                           nullptr,
                           "StatFilter_Include",
                           "StatFilter_Exclude",
                           "StatFilter_Dialog",
                           nullptr,
                           "DrawsStatExportToExcel"};
    QMenu* menu = menuBar()->addMenu(uiText(texts::kMenuStats));
    fillMenu(*menu, names);
    QAction* include = action(QStringLiteral("StatFilter_Include"));
    QAction* exclude = action(QStringLiteral("StatFilter_Exclude"));
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    m_statPane->bindCommands(action(QStringLiteral("DrawsStatCalc")), include, exclude,
                             action(QStringLiteral("FiltersManager")),
                             action(QStringLiteral("FiltersReset")),
                             {include, exclude, action(QStringLiteral("StatFilter_Dialog")),
                              separator, action(QStringLiteral("DrawsStatCalc"))});
}

void TTemplateMain::computeStatistics(bool force) {
    shell().guard("%s", [&] { m_workspace.statPage().Compute(force); });
}

void TTemplateMain::statMethodChosen(int item) {
    if (shell().isIdle()) {
        m_workspace.statPage().setChoiceIndex(item);
        computeStatistics(false);
    }
    applyChanges();
}

void TTemplateMain::statLengthEntered() {
    if (shell().isIdle()) {
        computeStatistics(false);
    }
    applyChanges();
}

void TTemplateMain::togglePrefetchs() {
    // The workspace builds the missing prefetch files when switched on.
    m_workspace.setPrefetchsEnabled(!m_workspace.statPage().PrefetchsEnabled);
    computeStatistics(true);
}

void TTemplateMain::toggleTotalLine() {
    {
        StatusTextScope status(shell(), texts::kStatusCharts);
        m_workspace.setShowTotalLine(!m_workspace.statPage().ShowTotalLine);
    }
    computeStatistics(true);
}

void TTemplateMain::filtersManager() {
    const QString namesFilter = uiText(texts::kFavNamesFilter);
    const QString namesSuffix = uiText(texts::kFavNamesExtension);
    FavouritesDialog dialog(
        shell(), m_workspace.stats(), m_workspace.favouritesPath(),
        [&] {
            return chooseOpenFile(uiText(texts::kFavHintNamesImport), namesFilter,
                                  namesSuffix);
        },
        [&] {
            return chooseSaveFile(uiText(texts::kFavHintNamesExport), namesFilter,
                                  namesSuffix);
        },
        this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    {
        OperationScope op(shell(), texts::kPleaseWait);
        m_workspace.stats().SaveFavourites(shell(), m_workspace.favouritesPath(), true, false);
        m_workspace.rebuildMethodList(false);
    }
    // The chooser starts again at its first item, whatever method that is now.
    computeStatistics(true);
}

void TTemplateMain::filtersReset() {
    if (!shell().confirm(texts::kConfirmFiltersReset)) {
        return;
    }
    {
        OperationScope op(shell(), texts::kPleaseWait);
        TStatList& list = m_workspace.stats();
        list.SelectAll();
        list.SaveFavourites(shell(), m_workspace.favouritesPath(), true, false);
        m_workspace.statPage().FillChoosers(false);
    }
    computeStatistics(true);
}

void TTemplateMain::filtersInfo() {
    const int entry = m_workspace.statPage().selectedEntry();
    if (entry >= 0) {
        DescriptionDialog dialog(m_workspace.stats().HelpUrl(entry), this);
        dialog.exec();
    }
}

void TTemplateMain::statFilterDialog() {
    FilterDialog dialog(shell(), m_workspace.stats(), m_workspace.statPage(), m_filterItem, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    m_filterItem = dialog.item();
    SavedWeights weights(m_workspace.stats());
    const auto variants = m_workspace.filters().ExpandVariants({m_filterItem}, 1);
    if (!variants.empty()) {
        m_workspace.combs().SaveUndo(true);
        m_workspace.filters().ApplyVariant(variants.at(0));
    }
}

}  // namespace pentad
