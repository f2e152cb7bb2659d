// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout_pane.h"

#include <algorithm>

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "action_button.h"
#include "app/workspace.h"
#include "command_set.h"
#include "list_view.h"
#include "models/layout_model.h"
#include "qt_text.h"
#include "view_controls.h"
#include "view_pane_texts.h"
#include "views/view_sheets.h"
#include "views/view_texts.h"

namespace pentad {
namespace {

constexpr int kCountColumnWidth = 50;
constexpr int kMinimumColumnWidth = 40;
constexpr int kColumnPadding = 10;

}  // namespace

LayoutPane::LayoutPane(Workspace& workspace, QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_page(workspace.shell(), workspace.archive()) {
    setObjectName(QStringLiteral("tsLayout"));
    const MainFormSettings& form = workspace.form();
    m_page.length = form.LayoutLen;
    m_page.compareLengths = form.LayoutCompareLen;

    m_model = new LayoutModel(m_page.grid(), workspace.form().LayoutGradient, this);
    m_view = makeGridView("sgLayout", m_model, this);
    m_view->verticalHeader()->setFixedWidth(kCountColumnWidth);
    m_view->horizontalHeader()->setMinimumSectionSize(kMinimumColumnWidth);

    m_length = makeLengthField("edLayoutLen", &m_page.length, &workspace.form().LayoutLen, this,
                               whenEnabled(&m_calcAction, [this] { refreshLayout(false); }));
    QLabel* lengthLabel = makeLengthLabel(m_length, this);
    m_calc = makeButton("btnLayoutCalc", this);
    m_include = makeButton("btnLayoutInclude", this);
    m_exclude = makeButton("btnLayoutExclude", this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(uiText(texts::kLayoutTitle), this));
    top->addStretch(1);
    top->addWidget(lengthLabel);
    top->addWidget(m_length);
    top->addWidget(m_calc);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_include);
    buttons->addWidget(m_exclude);
    buttons->addStretch(1);
    auto* upper = new QWidget(this);
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addLayout(top);
    upperLayout->addWidget(m_view, 1);
    upperLayout->addLayout(buttons);

    // The comparison panel: a length field over each of the five lists.
    auto* lower = new QWidget(this);
    auto* grid = new QGridLayout(lower);
    grid->setContentsMargins(0, 0, 0, 0);
    m_compareCalc = makeButton("btnLayoutCmpCalc", lower);
    auto* caption = new QHBoxLayout;
    caption->addWidget(new QLabel(uiText(texts::kCompareTitle), lower));
    caption->addStretch(1);
    caption->addWidget(m_compareCalc);
    grid->addLayout(caption, 0, 0, 1, kCompareLists);
    for (int i = 0; i < kCompareLists; ++i) {
        const auto at = static_cast<size_t>(i);
        const QByteArray fieldName = "edLayoutCompareLen" + QByteArray::number(i + 1);
        m_compareFields[at] =
            makeLengthField(fieldName.constData(), &m_page.compareLengths[at],
                            &workspace.form().LayoutCompareLen[at], lower,
                            whenEnabled(&m_compareAction, [this] { refreshCompare(true); }));
        m_compareModels[at] = new CompareModel(this);
        const QByteArray listName = "lvLayoutCompare" + QByteArray::number(i + 1);
        QTableView* list = makeListView(listName.constData(), m_compareModels[at],
                                        QAbstractItemView::ExtendedSelection, lower);
        list->setSortingEnabled(true);
        list->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
        list->horizontalHeader()->setStretchLastSection(true);
        list->setColumnWidth(0, list->horizontalHeader()->fontMetrics().horizontalAdvance(
                                    uiText(texts::kCompareCountColumn)) +
                                    24);
        m_compareViews[at] = list;
        grid->addWidget(m_compareFields[at], 1, i);
        grid->addWidget(list, 2, i);
    }
    grid->setRowStretch(2, 1);

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("spLayout"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(upper);
    m_splitter->addWidget(lower);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_compareHeight = new LowerPartHeight(m_splitter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_splitter);

    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &LayoutPane::selectionChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &LayoutPane::selectionChanged);
}

QList<QAction*> LayoutPane::createCommands(
    CommandSet& commands, const std::function<void(const SheetTable&)>& exportSheet) {
    MainFormSettings& form = m_workspace.form();
    auto shown = [&form] { return form.TabLayout; };
    auto ready = [this, shown] { return shown() && !m_workspace.archive().empty(); };
    m_calcAction = commands.add(
        {.name = "LayoutCalc", .caption = texts::kCmdRefresh, .enabled = ready, .execute = [this] {
             refreshLayout(true);
         }});
    m_compareAction = commands.add({.name = "LayoutCmpCalc",
                                    .caption = texts::kCmdRefresh,
                                    .enabled = ready,
                                    .execute = [this] { refreshCompare(true); }});
    const ViewFilterCommands filters = addViewFilterCommands(
        commands, m_workspace, "LayoutFilter_Include", "LayoutFilter_Exclude", texts::kTabLayout,
        [this, shown] { return shown() && m_view->selectionModel()->hasSelection(); },
        [this] {
            return layoutSelectionValues(m_page.grid(), selectionRanges(*m_view->selectionModel()));
        });
    QAction* exportLayout =
        commands.add({.name = "LayoutXlsExport",
                      .caption = texts::kCmdLayoutXlsExport,
                      // The grid with its header column has more than two columns.
                      .enabled = [this] { return m_page.grid().columnCount() + 1 > 2; },
                      .execute = [this, exportSheet] { exportSheet(layoutSheet(m_page.grid())); }});
    commands.add({.name = "ViewShemaGradient",
                  .caption = texts::kCmdViewShemaGradient,
                  .enabled = shown,
                  .execute =
                      [this, &form] {
                          m_workspace.setViewOption("LayoutGradient", !form.LayoutGradient);
                          repaint();
                      },
                  .checked = [&form] { return form.LayoutGradient; }});
    bindButton(m_calc, m_calcAction);
    bindButton(m_compareCalc, m_compareAction);
    bindButton(m_include, filters.include);
    bindButton(m_exclude, filters.exclude);
    m_view->addActions({m_calcAction, makeSeparator(this), filters.include, filters.exclude,
                        makeSeparator(this), exportLayout});
    for (QTableView* list : m_compareViews) {
        list->addAction(m_compareAction);
    }
    // Both refresh commands are "Обновить": the menu tells them apart by section.
    return {makeSeparator(this, texts::kLayoutTitle),
            m_calcAction,
            filters.include,
            filters.exclude,
            exportLayout,
            makeSeparator(this, texts::kCompareTitle),
            m_compareAction};
}

void LayoutPane::refresh(bool force) {
    refreshLayout(force);
    refreshCompare(force);
}

void LayoutPane::refreshLayout(bool force) {
    bool rebuilt = false;
    m_workspace.shell().guard("%s", [&] { rebuilt = m_page.refreshLayout(force); });
    if (rebuilt) {
        showLayout();
    }
}

void LayoutPane::refreshCompare(bool force) {
    bool rebuilt = false;
    m_workspace.shell().guard("%s", [&] { rebuilt = m_page.refreshCompare(force); });
    if (rebuilt) {
        showLists();
    }
}

void LayoutPane::showLayout() {
    m_model->reload();
    const QFontMetrics metrics = m_view->horizontalHeader()->fontMetrics();
    for (int c = 0; c < m_model->columnCount(); ++c) {
        int width = std::max(kMinimumColumnWidth,
                             metrics.horizontalAdvance(
                                 QString::number(m_page.grid().draws[static_cast<size_t>(c)])) +
                                 kColumnPadding);
        for (int r = 0; r < m_model->rowCount(); ++r) {
            width = std::max(width, m_view->fontMetrics().horizontalAdvance(
                                        m_model->index(r, c).data().toString()) +
                                        kColumnPadding);
        }
        m_view->setColumnWidth(c, width);
    }
}

void LayoutPane::showLists() {
    for (size_t i = 0; i < m_compareModels.size(); ++i) {
        m_compareModels[i]->show(m_page.lists()[i]);
    }
}

void LayoutPane::repaint() {
    m_model->repaint();
}

void LayoutPane::setIdle(bool idle) {
    m_length->setEnabled(idle);
    for (QSpinBox* field : m_compareFields) {
        field->setEnabled(idle);
    }
}

int LayoutPane::compareHeight() const {
    return m_compareHeight->height();
}

void LayoutPane::setCompareHeight(int height) {
    m_compareHeight->setHeight(height);
}

void LayoutPane::storeHeights() {
    m_workspace.form().LayoutCompareHeight = compareHeight();
}

}  // namespace pentad
