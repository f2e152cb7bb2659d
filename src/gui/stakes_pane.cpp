// SPDX-License-Identifier: GPL-3.0-or-later
// The ledger tab: the list over the ledger file and the painting of the
// stake and result digits, each digit on its own so that matches stand out.
#include "stakes_pane.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "list_view.h"
#include "models/stakes_model.h"
#include "app/workspace.h"
#include "qt_text.h"
#include "stakes/stake_texts.h"
#include "window_placement.h"

namespace pentad {
namespace {

const QColor kMatchColor(0x00, 0x00, 0xFF);

// Draws "d;d;d;d;d" with the matching digits in bold blue.
class StakeDigitsDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QVariant mask = index.data(StakesModel::MatchMaskRole);
        if (!mask.isValid()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QStringList digits = opt.text.split(QLatin1Char(';'));
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        QFont bold = opt.font;
        bold.setBold(true);
        const QFontMetrics normalMetrics(opt.font);
        const QFontMetrics boldMetrics(bold);
        const QString separator = QStringLiteral(";");
        const int bits = mask.toInt();
        auto matched = [bits](int i) { return i < 5 && (bits & (1 << i)) != 0; };
        int total = 0;
        for (int i = 0; i < digits.size(); ++i) {
            total += (matched(i) ? boldMetrics : normalMetrics).horizontalAdvance(digits[i]);
            if (i + 1 < digits.size()) {
                total += normalMetrics.horizontalAdvance(separator);
            }
        }
        const bool selected = (opt.state & QStyle::State_Selected) != 0;
        const QColor plain = selected ? opt.palette.color(QPalette::HighlightedText)
                                      : opt.palette.color(QPalette::Text);
        painter->save();
        painter->setClipRect(area);
        int x = area.left() + std::max(0, (area.width() - total) / 2);
        for (int i = 0; i < digits.size(); ++i) {
            const bool hit = matched(i);
            painter->setFont(hit ? bold : opt.font);
            painter->setPen(hit && !selected ? kMatchColor : plain);
            const int width = (hit ? boldMetrics : normalMetrics).horizontalAdvance(digits[i]);
            painter->drawText(QRect(x, area.top(), width, area.height()), Qt::AlignCenter,
                              digits[i]);
            x += width;
            if (i + 1 < digits.size()) {
                painter->setFont(opt.font);
                painter->setPen(plain);
                const int sepWidth = normalMetrics.horizontalAdvance(separator);
                painter->drawText(QRect(x, area.top(), sepWidth, area.height()), Qt::AlignCenter,
                                  separator);
                x += sepWidth;
            }
        }
        painter->restore();
    }
};

}  // namespace

StakesPane::StakesPane(Workspace& workspace, QWidget* parent) : QWidget(parent) {
    m_model = new StakesModel(workspace, this);
    m_model->reload();
    m_view = makeListView("lvStakes", m_model, QAbstractItemView::ContiguousSelection, this);
    m_view->setItemDelegate(new StakeDigitsDelegate(m_view));
    // The designed widths, widened where this font needs more for a caption
    // or for the longest kind name.
    const QFontMetrics metrics = m_view->horizontalHeader()->fontMetrics();
    std::vector<int> widths(std::begin(kStakeColumnWidths), std::end(kStakeColumnWidths));
    for (int c = 0; c < StakesModel::kColumnCount; ++c) {
        const QString caption = m_model->headerData(c, Qt::Horizontal).toString();
        widths[static_cast<size_t>(c)] =
            std::max(widths[static_cast<size_t>(c)], metrics.horizontalAdvance(caption) + 16);
    }
    widths[1] = std::max(
        widths[1],
        metrics.horizontalAdvance(uiText(texts::kStakeKindCaptions[kStakeScenario])) +
            12);
    setColumnWidths(*m_view, widths);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_view);

    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StakesPane::selectionChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &StakesPane::selectionChanged);
}

void StakesPane::bindCommands(const QList<QAction*>& contextMenu) {
    m_view->addActions(contextMenu);
}

std::pair<int, int> StakesPane::selectedRange() const {
    int first = 0;
    int last = 0;
    for (const QItemSelectionRange& range : m_view->selectionModel()->selection()) {
        if (first == 0 || range.top() + 1 < first) {
            first = range.top() + 1;
        }
        last = std::max(last, range.bottom() + 1);
    }
    last = std::min(last, m_model->recordCount());
    if (first < 1 || last < first) {
        return {0, 0};
    }
    return {first, last};
}

void StakesPane::refresh(bool scrollToEnd) {
    const bool grew = m_model->reload();
    if (grew && scrollToEnd) {
        const QModelIndex last = m_model->index(m_model->rowCount() - 1, 0);
        m_view->scrollTo(last);
        m_view->selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
    }
}

}  // namespace pentad
