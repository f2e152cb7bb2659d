// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics tab: chooser, length field, table and chart over the
// statistics page, the selection passed to the page as the user makes it,
// and the F7 / Ctrl+F7 keys of the table.
#include "stat_pane.h"

#include <algorithm>
#include <climits>

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "action_button.h"
#include "charts/stat_chart_view.h"
#include "column_fit.h"
#include "filters/filter_texts.h"
#include "gui_texts.h"
#include "list_view.h"
#include "models/stat_model.h"
#include "qt_text.h"
#include "stats/stat_page.h"
#include "stats/stat_texts.h"

namespace pentad {
namespace {

bool isNormColumn(int column) {
    return std::find(std::begin(kNormColumns), std::end(kNormColumns), column) !=
           std::end(kNormColumns);
}

bool isEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

StatPane::StatPane(StatPage& page, QWidget* parent) : QWidget(parent), m_page(page) {
    m_model = new StatModel(page, this);

    m_chooser = new QComboBox(this);
    m_chooser->setObjectName(QStringLiteral("cbStatMethod"));
    m_chooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_chooser->setMinimumContentsLength(24);
    m_chooser->setMaxVisibleItems(24);

    m_length = new QSpinBox(this);
    m_length->setObjectName(QStringLiteral("edDrawsStatLen"));
    m_length->setRange(1, INT_MAX);
    m_length->setValue(page.length());
    m_length->setToolTip(uiText(texts::kStatLengthHint));
    m_length->setMinimumWidth(80);
    m_length->installEventFilter(this);
    auto* lengthLabel = new QLabel(uiText(texts::kStatLengthLabel), this);
    lengthLabel->setBuddy(m_length);

    m_calc = new QPushButton(uiText(texts::kCmdStatCalc), this);
    m_calc->setObjectName(QStringLiteral("btnDrawsStatCalc"));

    m_view = makeListView("lvStat", m_model, QAbstractItemView::ExtendedSelection, this);
    QHeaderView* header = m_view->horizontalHeader();
    header->setSortIndicator(page.sortColumn(),
                             page.sortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    m_view->setSortingEnabled(true);
    const QFontMetrics metrics = header->fontMetrics();
    for (int c = 0; c < kStatColumns; ++c) {
        const int caption = metrics.horizontalAdvance(uiText(texts::kColumnCaptions[c]));
        const int width = c == 0 ? std::max(110, caption + 24) : caption + 24;
        m_view->setColumnWidth(c, isNormColumn(c) ? kNormColumnWidth : width);
    }
    m_columns = ColumnFit::install(*m_view);
    m_view->installEventFilter(this);

    m_chart = new StatChartView(this);

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("spStat"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_view);
    m_splitter->addWidget(m_chart);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->installEventFilter(this);

    m_include = new QPushButton(uiText(texts::kKeepSelected), this);
    m_include->setObjectName(QStringLiteral("btnStatInclude"));
    m_exclude = new QPushButton(uiText(texts::kDeleteSelected), this);
    m_exclude->setObjectName(QStringLiteral("btnStatExclude"));

    auto* top = new QHBoxLayout;
    top->addWidget(m_chooser, 1);
    top->addWidget(lengthLabel);
    top->addWidget(m_length);
    top->addWidget(m_calc);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_include);
    bottom->addWidget(m_exclude);
    bottom->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(m_splitter, 1);
    layout->addLayout(bottom);

    fillChooser();
    connect(m_chooser, &QComboBox::currentIndexChanged, this, &StatPane::methodChosen);
    connect(m_length, &QSpinBox::valueChanged, this, [this](int value) {
        // Every computation reads the field, as "Обновить" does.
        m_page.setLength(value);
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StatPane::mirrorSelection);
    // A click on a header sorts the page, which drops its selection.
    connect(m_model, &QAbstractItemModel::modelReset, this, &StatPane::selectionChanged);
}

void StatPane::bindCommands(QAction* calc, QAction* include, QAction* exclude,
                            QAction* otherInclude, QAction* otherExclude,
                            const QList<QAction*>& contextMenu) {
    bindButton(m_calc, calc);
    bindButton(m_include, include);
    bindButton(m_exclude, exclude);
    m_includeRoute = {include, otherInclude};
    m_excludeRoute = {exclude, otherExclude};
    m_view->addActions(contextMenu);
}

void StatPane::fillChooser() {
    QStringList captions;
    for (int i = 0; i < static_cast<int>(m_page.choices().size()); ++i) {
        captions.append(toQString(m_page.choiceCaption(i)));
    }
    if (captions != m_chooserCaptions) {
        QSignalBlocker block(m_chooser);
        m_chooser->clear();
        m_chooser->addItems(captions);
        m_chooserCaptions = captions;
    }
}

void StatPane::refresh(bool normColumns) {
    fillChooser();
    {
        QSignalBlocker block(m_chooser);
        m_chooser->setCurrentIndex(m_page.choiceIndex());
    }
    {
        QSignalBlocker block(m_length);
        m_length->setValue(m_page.length());
    }
    if (!m_model->isCurrent()) {
        m_model->reload();
        m_chart->showChart(m_page.computation().chart);
        QHeaderView* header = m_view->horizontalHeader();
        QSignalBlocker block(header);
        header->setSortIndicator(m_page.sortColumn(), m_page.sortDescending() ? Qt::DescendingOrder
                                                                              : Qt::AscendingOrder);
        showSelection();
    }
    bool shown = false;
    for (int column : kNormColumns) {
        shown = shown || (normColumns && m_view->isColumnHidden(column));
        m_view->setColumnHidden(column, !normColumns);
    }
    if (shown) {
        m_columns->fit();
    }
}

void StatPane::mirrorSelection() {
    if (m_showingSelection) {
        return;
    }
    std::vector<int> rows;
    for (const QItemSelectionRange& range : m_view->selectionModel()->selection()) {
        for (int r = range.top(); r <= range.bottom(); ++r) {
            rows.push_back(r);
        }
    }
    m_page.setSelection(std::move(rows));
    m_model->acceptVersion();
    emit selectionChanged();
}

void StatPane::showSelection() {
    m_showingSelection = true;
    QItemSelection selection;
    for (int r : m_page.selection()) {
        selection.select(m_model->index(r, 0), m_model->index(r, kStatColumns - 1));
    }
    m_view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_showingSelection = false;
}

void StatPane::setIdle(bool idle) {
    m_chooser->setEnabled(idle);
    // Read-only rather than disabled: Enter in the field starts the
    // computation, and the field keeps the keyboard focus through it.
    m_length->setReadOnly(!idle);
}

std::vector<int> StatPane::columnWidths() const {
    std::vector<int> widths = m_columns->widthsToSave();
    for (int c : kNormColumns) {
        widths[static_cast<size_t>(c)] = kNormColumnWidth;
    }
    return widths;
}

void StatPane::setColumnWidths(const std::vector<int>& widths) {
    std::vector<int> saved = widths;
    for (int c : kNormColumns) {
        if (static_cast<size_t>(c) < saved.size()) {
            saved[static_cast<size_t>(c)] = 0;
        }
    }
    m_columns->applySaved(saved);
}

int StatPane::chartHeight() const {
    if (m_pendingChartHeight > 0) {
        return m_pendingChartHeight;
    }
    return m_splitter->sizes().value(1);
}

void StatPane::setChartHeight(int height) {
    m_pendingChartHeight = std::max(1, height);
    if (m_splitter->height() > m_pendingChartHeight) {
        const int table = m_splitter->height() - m_splitter->handleWidth() - m_pendingChartHeight;
        m_splitter->setSizes({table, m_pendingChartHeight});
        m_pendingChartHeight = 0;
    }
}

QAction* StatPane::routedAction(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    for (const KeyRoute& route : {m_includeRoute, m_excludeRoute}) {
        if (route.first != nullptr && route.first->shortcut() == pressed) {
            // The table's own command comes first; when it cannot run the key
            // goes on to the window's command with the same key.
            if (route.first->isEnabled()) {
                return route.first;
            }
            return route.second != nullptr && route.second->isEnabled() ? route.second : nullptr;
        }
    }
    return nullptr;
}

bool StatPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_length && isEnterKey(event)) {
        m_length->interpretText();
        emit lengthEntered();
        return true;
    }
    if (watched == m_splitter && event->type() == QEvent::Resize && m_pendingChartHeight > 0) {
        setChartHeight(m_pendingChartHeight);
        return false;
    }
    if (watched == m_view &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        const bool routed =
            (m_includeRoute.first != nullptr && m_includeRoute.first->shortcut() == pressed) ||
            (m_excludeRoute.first != nullptr && m_excludeRoute.first->shortcut() == pressed);
        if (!routed) {
            return false;
        }
        // Both the table's command and the window's command carry this key;
        // taking it here keeps Qt from calling the key ambiguous.
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            if (QAction* action = routedAction(*key)) {
                action->trigger();
            }
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace pentad
