// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_pane.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "action_button.h"
#include "app/workspace.h"
#include "command_set.h"
#include "filters/filter_texts.h"
#include "models/card_model.h"
#include "view_controls.h"
#include "view_pane_texts.h"
#include "views/view_sheets.h"
#include "views/view_texts.h"

namespace pentad {
namespace {

constexpr int kDigitColumnWidth = 30;
constexpr int kNumberColumnWidth = 60;

}  // namespace

CardPane::CardPane(Workspace& workspace, QWidget* parent)
    : QWidget(parent), m_workspace(workspace) {
    setObjectName(QStringLiteral("tsCard"));
    m_model = new CardModel(m_card, m_options, this);
    m_view = makeGridView("sgCard", m_model, this);
    m_view->verticalHeader()->hide();
    m_view->setColumnWidth(0, kNumberColumnWidth);
    for (int c = 1; c < CardModel::kColumnCount; ++c) {
        m_view->setColumnWidth(c, kDigitColumnWidth);
    }
    m_include = new QPushButton(this);
    m_include->setObjectName(QStringLiteral("btnCardInclude"));
    m_exclude = new QPushButton(this);
    m_exclude->setObjectName(QStringLiteral("btnCardExclude"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_include);
    buttons->addWidget(m_exclude);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);

    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CardPane::selectionChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &CardPane::selectionChanged);
}

QList<QAction*> CardPane::createCommands(
    CommandSet& commands, const std::function<void(const SheetTable&)>& exportSheet) {
    const MainFormSettings& form = m_workspace.form();
    auto shown = [&form] { return form.TabCard; };
    const ViewFilterCommands filters = addViewFilterCommands(
        commands, m_workspace, "CardFilter_Include", "CardFilter_Exclude", texts::kTabCard,
        [this, shown] { return shown() && selectionInDigits(); },
        [this] { return cardSelectionValues(m_card, selectionRanges(*m_view->selectionModel())); });
    QAction* exportCard = commands.add({.name = "CardXlsExport",
                                        .caption = texts::kCmdCardXlsExport,
                                        .enabled = [this] { return m_model->columnCount() > 2; },
                                        .execute =
                                            [this, exportSheet] {
                                                refresh(false);
                                                exportSheet(cardSheet(m_card));
                                            }});
    auto toggle = [this](const char* key, bool value) {
        m_workspace.setViewOption(key, value);
        repaint();
    };
    commands.add({.name = "ViewColorCard",
                  .caption = texts::kCmdViewColorCard,
                  .enabled = shown,
                  .execute = [&form, toggle] { toggle("ColorCard", !form.ColorCard); },
                  .checked = [&form] { return form.ColorCard; }});
    commands.add(
        {.name = "ViewColorCardSequences",
         .caption = texts::kCmdViewColorCardSequences,
         .enabled = shown,
         .execute = [&form, toggle] { toggle("ColorCardSequences", !form.ColorCardSequences); },
         .checked = [&form] { return form.ColorCardSequences; }});
    bindButton(m_include, filters.include);
    bindButton(m_exclude, filters.exclude);
    const QList<QAction*> menu = {filters.include, filters.exclude, makeSeparator(this),
                                  exportCard};
    m_view->addActions(menu);
    repaint();
    return menu;
}

void CardPane::refresh(bool force) {
    if (!force && !m_dirty && m_card.rowCount() == m_workspace.archive().count()) {
        return;
    }
    OperationScope op(m_workspace.shell(), texts::kStatusCard);
    m_dirty = false;
    m_card.update(m_workspace.archive().draws(), true);
    m_model->reload();
}

void CardPane::repaint() {
    const MainFormSettings& form = m_workspace.form();
    m_options = {form.ColorCard, form.ColorCardSequences, m_workspace.config().ChannelSize};
    m_model->repaint();
}

bool CardPane::selectionInDigits() const {
    const QItemSelection selection = m_view->selectionModel()->selection();
    if (selection.isEmpty()) {
        return false;
    }
    for (const QItemSelectionRange& r : selection) {
        if (r.left() < 1) {
            return false;
        }
    }
    return true;
}

}  // namespace pentad
