// SPDX-License-Identifier: GPL-3.0-or-later
// The combinations tab: the list over the combination set, the field of
// draws to exclude, and the applied-filters list.
#include "combs_pane.h"

#include <algorithm>
#include <climits>

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "action_button.h"
#include "filters/combination_texts.h"
#include "gui_texts.h"
#include "list_view.h"
#include "models/combs_model.h"
#include "app/workspace.h"
#include "qt_text.h"

namespace pentad {
namespace {

void setUpList(QTableView* view) {
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setMinimumSectionSize(16);
}

}  // namespace

CombsPane::CombsPane(const Workspace& workspace, QWidget* parent) : QWidget(parent) {
    m_model = new CombsModel(workspace, this);
    m_filters = new AppliedFiltersModel(workspace, this);

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("lvCombs"));
    m_view->setModel(m_model);
    setUpList(m_view);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    const QFontMetrics metrics = m_view->fontMetrics();
    constexpr int kPadding = 10;
    m_view->setColumnWidth(CombsModel::NumberColumn,
                           metrics.horizontalAdvance(QStringLiteral("0000000")) + kPadding);
    for (int c = CombsModel::FirstDigitColumn; c < CombsModel::SumColumn; ++c) {
        m_view->setColumnWidth(c, metrics.horizontalAdvance(QStringLiteral("00")) + kPadding);
    }
    m_view->setColumnWidth(CombsModel::SumColumn,
                           metrics.horizontalAdvance(QStringLiteral("000")) + kPadding);

    m_filtersView = new QTableView(this);
    m_filtersView->setObjectName(QStringLiteral("lvFilters"));
    m_filtersView->setModel(m_filters);
    setUpList(m_filtersView);
    m_filtersView->setSelectionMode(QAbstractItemView::SingleSelection);
    // The caption takes what the value and count columns leave of the pane.
    QHeaderView* filtersHeader = m_filtersView->horizontalHeader();
    filtersHeader->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < AppliedFiltersModel::kColumnCount; ++c) {
        const QString caption = m_filters->headerData(c, Qt::Horizontal).toString();
        m_filtersView->setColumnWidth(
            c, filtersHeader->fontMetrics().horizontalAdvance(caption) + kPadding + 6);
    }

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("spCombs"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_view);
    m_splitter->addWidget(m_filtersView);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->installEventFilter(this);

    m_excludeButton = new QPushButton(uiText(texts::kExcludeLabel), this);
    m_excludeButton->setObjectName(QStringLiteral("btnCombsDelExists"));
    m_exclude = new QSpinBox(this);
    m_exclude->setObjectName(QStringLiteral("edDrawsExclude"));
    m_exclude->setRange(0, INT_MAX);
    m_exclude->setValue(std::max(0, workspace.form().DrawsExclude));
    m_exclude->setMinimumWidth(70);
    const QString hint = uiText(texts::kExcludeHint);
    m_exclude->setToolTip(hint);
    m_excludeButton->setToolTip(hint);
    m_exclude->installEventFilter(this);

    auto* excludeRow = new QHBoxLayout;
    excludeRow->addWidget(m_excludeButton);
    excludeRow->addWidget(m_exclude);
    excludeRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_splitter, 1);
    layout->addLayout(excludeRow);

    connect(m_exclude, &QSpinBox::valueChanged, this, &CombsPane::excludeCountChanged);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CombsPane::selectionChanged);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CombsPane::selectionChanged);
}

void CombsPane::bindCommands(QAction* exclude, const QList<QAction*>& contextMenu) {
    bindButton(m_excludeButton, exclude, true);
    m_view->addActions(contextMenu);
}

int CombsPane::currentRow() const {
    const QModelIndex current = m_view->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool CombsPane::hasSelection() const {
    return m_view->selectionModel()->hasSelection();
}

std::vector<int> CombsPane::selectedRows() const {
    return pentad::selectedRows(*m_view);
}

void CombsPane::refresh(bool setChanged) {
    if (setChanged) {
        m_model->reload();
        m_filters->reload();
        if (m_filters->rowCount() > 0) {
            m_filtersView->scrollToBottom();
        }
    } else {
        m_model->repaint();
    }
}

void CombsPane::setIdle(bool idle) {
    m_exclude->setEnabled(idle);
}

int CombsPane::filtersHeight() const {
    if (m_pendingFiltersHeight > 0) {
        return m_pendingFiltersHeight;
    }
    return m_splitter->sizes().value(1);
}

void CombsPane::setFiltersHeight(int height) {
    m_pendingFiltersHeight = std::max(1, height);
    if (m_splitter->height() > m_pendingFiltersHeight) {
        const int list = m_splitter->height() - m_splitter->handleWidth() - m_pendingFiltersHeight;
        m_splitter->setSizes({list, m_pendingFiltersHeight});
        m_pendingFiltersHeight = 0;
    }
}

bool CombsPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_exclude && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_exclude->interpretText();
            emit excludeEntered();
            return true;
        }
    }
    if (watched == m_splitter && event->type() == QEvent::Resize && m_pendingFiltersHeight > 0) {
        setFiltersHeight(m_pendingFiltersHeight);
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace pentad
