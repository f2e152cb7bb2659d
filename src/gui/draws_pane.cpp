// SPDX-License-Identifier: GPL-3.0-or-later
// The draw list tab: the list view over the draws model, the buttons that
// mirror the draw commands, and the analysis offset field.
#include "draws_pane.h"

#include <algorithm>

#include <QAction>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "action_button.h"
#include "app/workspace.h"
#include "gui_texts.h"
#include "list_view.h"
#include "models/draws_model.h"
#include "qt_text.h"
#include "window_placement.h"

namespace pentad {
namespace {

// The pause in typing after which the offset field takes its number.
constexpr int kTypingPauseMs = 700;

}  // namespace

std::vector<int> defaultDrawColumnWidths(const QFontMetrics& metrics) {
    constexpr int kPadding = 10;
    const int number = metrics.horizontalAdvance(QStringLiteral("000000")) + kPadding;
    const int digit = metrics.horizontalAdvance(QStringLiteral("00")) + kPadding;
    const int sum = metrics.horizontalAdvance(QStringLiteral("000")) + kPadding;
    const int date = metrics.horizontalAdvance(QStringLiteral("00/00/0000 M")) + kPadding;
    return {number, digit, digit, digit, digit, digit, sum, date};
}

DrawsPane::DrawsPane(const Workspace& workspace, QWidget* parent)
    : QWidget(parent), m_workspace(workspace) {
    m_model = new DrawsModel(workspace, this);

    m_view = makeListView("lvDraws", m_model, QAbstractItemView::ExtendedSelection, this);
    m_view->horizontalHeader()->setStretchLastSection(false);
    setColumnWidths(*m_view, defaultDrawColumnWidths(m_view->fontMetrics()));

    m_download = new QPushButton(uiText(texts::kCmdDrawsDownload), this);
    m_download->setObjectName(QStringLiteral("btnDrawsDownload"));
    m_add = new QPushButton(uiText(texts::kCmdDrawsAdd), this);
    m_add->setObjectName(QStringLiteral("btnDrawsAdd"));
    m_delete = new QPushButton(uiText(texts::kCmdDrawsDel), this);
    m_delete->setObjectName(QStringLiteral("btnDrawsDel"));

    m_offset = new QSpinBox(this);
    m_offset->setObjectName(QStringLiteral("edDrawsOffset"));
    m_offset->setRange(0, 0);
    m_offset->setMinimumWidth(70);
    auto* offsetLabel = new QLabel(uiText(texts::kOffsetLabel), this);
    offsetLabel->setBuddy(m_offset);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_download);
    buttons->addWidget(m_add);
    buttons->addWidget(m_delete);
    buttons->addStretch(1);

    auto* offsetRow = new QHBoxLayout;
    offsetRow->addWidget(offsetLabel);
    offsetRow->addWidget(m_offset);
    offsetRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    layout->addLayout(offsetRow);

    // A typed number counts once it is complete: on Enter, on leaving the
    // field or after a pause in typing. Arrow keys and the wheel count at once.
    m_offset->setKeyboardTracking(false);
    m_typingPause = new QTimer(this);
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(kTypingPauseMs);
    connect(m_offset->findChild<QLineEdit*>(), &QLineEdit::textEdited, m_typingPause,
            qOverload<>(&QTimer::start));
    connect(m_typingPause, &QTimer::timeout, m_offset, &QSpinBox::interpretText);
    connect(m_offset, &QSpinBox::editingFinished, m_typingPause, &QTimer::stop);
    connect(m_offset, &QSpinBox::valueChanged, this, &DrawsPane::offsetEdited);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DrawsPane::selectionChanged);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &DrawsPane::selectionChanged);
    connect(m_view, &QTableView::doubleClicked, this, &DrawsPane::rowActivated);
}

void DrawsPane::bindCommands(QAction* add, QAction* del, const QList<QAction*>& contextMenu) {
    bindButton(m_add, add);
    bindButton(m_delete, del);
    m_view->addActions(contextMenu);
}

void DrawsPane::bindDownload(QAction* download) {
    bindButton(m_download, download);
}

int DrawsPane::currentRow() const {
    QModelIndex current = m_view->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

std::vector<int> DrawsPane::selectedRows() const {
    return pentad::selectedRows(*m_view);
}

void DrawsPane::refresh(bool rowsChanged) {
    const int count = m_workspace.archive().count();
    if (rowsChanged || m_model->rowCount() != count) {
        // An edit in place keeps the row count: keep the focus on the row
        // that was edited. Added or deleted rows clear the selection.
        const bool sameRows = m_model->rowCount() == count;
        const int current = currentRow();
        m_model->reload();
        if (sameRows && current >= 0 && current < count) {
            m_view->selectionModel()->setCurrentIndex(
                m_model->index(current, 0),
                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
    } else {
        m_model->repaint();
    }
    QSignalBlocker block(m_offset);
    m_offset->setMaximum(std::max(0, count - 1));
    m_offset->setValue(m_workspace.offset());
}

void DrawsPane::setIdle(bool idle) {
    // Read-only rather than disabled: the field keeps the keyboard focus
    // through the recomputation its own value starts.
    m_offset->setReadOnly(!idle);
}

}  // namespace pentad
