// SPDX-License-Identifier: GPL-3.0-or-later
// The draw information window: the property list and the digit grid.
#include "dialogs/draw_info_dialog.h"

#include <algorithm>

#include <QColor>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "button_texts.h"
#include "game/game_texts.h"
#include "game/routines.h"
#include "qt_text.h"

namespace pentad {
namespace {

constexpr int kGridCellWidth = 26;
constexpr int kGridCellHeight = 20;

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

void fixHeight(QTableWidget* table) {
    int height = 2 * table->frameWidth();
    for (int r = 0; r < table->rowCount(); ++r) {
        height += table->rowHeight(r);
    }
    table->setFixedHeight(height);
}

}  // namespace

DrawInfoDialog::DrawInfoDialog(const DrawInfo& info, int channelSize, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(uiText(texts::kDrawInfoCaption));

    m_properties = new QTableWidget(static_cast<int>(info.properties.size()), 2, this);
    m_properties->setObjectName(QStringLiteral("lvProperties"));
    m_properties->horizontalHeader()->hide();
    m_properties->verticalHeader()->hide();
    m_properties->horizontalHeader()->setStretchLastSection(true);
    m_properties->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_properties->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_properties->setWordWrap(false);
    m_properties->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_properties->verticalHeader()->setDefaultSectionSize(m_properties->fontMetrics().height() + 6);
    for (int r = 0; r < m_properties->rowCount(); ++r) {
        const auto& [name, value] = info.properties[static_cast<size_t>(r)];
        m_properties->setItem(r, 0, readOnlyItem(uiText(name)));
        m_properties->setItem(r, 1, readOnlyItem(toQString(value)));
    }

    const int columns = info.columns;
    m_grid = new QTableWidget(kDigitCount, columns, this);
    m_grid->setObjectName(QStringLiteral("sgDigits"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setMinimumSectionSize(kGridCellWidth);
    m_grid->horizontalHeader()->setDefaultSectionSize(kGridCellWidth);
    m_grid->verticalHeader()->setMinimumSectionSize(kGridCellHeight);
    m_grid->verticalHeader()->setDefaultSectionSize(kGridCellHeight);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont bold = m_grid->font();
    bold.setBold(true);
    for (int r = 0; r < kDigitCount; ++r) {
        QColor background(QRgb(groupColorRgb(r, channelSize)));
        for (int c = 0; c < columns; ++c) {
            int digit = info.cells[static_cast<size_t>(r)][static_cast<size_t>(c)];
            auto* item = readOnlyItem(digit >= 0 ? QString::number(digit) : QString());
            item->setBackground(background);
            item->setForeground(QColor(Qt::black));
            item->setTextAlignment(Qt::AlignCenter);
            item->setFont(bold);
            m_grid->setItem(r, c, item);
        }
    }
    m_grid->setFixedWidth(columns * kGridCellWidth + 2 * m_grid->frameWidth());
    fixHeight(m_grid);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    applyButtonTexts(*buttons);
    buttons->button(QDialogButtonBox::Close)->setFocus();
    connect(buttons, &QDialogButtonBox::rejected, this, &DrawInfoDialog::reject);

    auto* body = new QHBoxLayout;
    body->addWidget(m_properties, 1);
    body->addWidget(m_grid, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    // Wide enough for the longest property name and value, high enough for
    // every property up to a screenful.
    const QFontMetrics metrics = m_properties->fontMetrics();
    int nameWidth = 0;
    int valueWidth = 0;
    for (const auto& [name, value] : info.properties) {
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(uiText(name)));
        valueWidth = std::max(valueWidth, metrics.horizontalAdvance(toQString(value)));
    }
    constexpr int kCellPadding = 16;
    const int rowHeight = m_properties->verticalHeader()->defaultSectionSize();
    const int listWidth = nameWidth + valueWidth + 2 * kCellPadding +
                          m_properties->verticalScrollBar()->sizeHint().width() +
                          2 * m_properties->frameWidth();
    const int listHeight = m_properties->rowCount() * rowHeight + 2 * m_properties->frameWidth();
    m_properties->setColumnWidth(0, nameWidth + kCellPadding);
    m_properties->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    m_properties->setMinimumSize(listWidth, std::min(listHeight, 480));
    resize(sizeHint());
}

}  // namespace pentad
