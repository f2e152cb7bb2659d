// SPDX-License-Identifier: GPL-3.0-or-later
// Cells of the ledger list, read record by record from the ledger file.
#include "models/stakes_model.h"

#include <algorithm>

#include <QBrush>
#include <QColor>
#include <QLocale>

#include "qt_text.h"
#include "app/workspace.h"
#include "stakes/stake_texts.h"

namespace pentad {
namespace {

// Row tints of the stake kinds 1..4.
const QColor kKindTints[] = {QColor(0xEA, 0xFF, 0xEA), QColor(0xFF, 0xEA, 0xEA),
                             QColor(0xEA, 0xFF, 0xFF), QColor(0xFC, 0xFD, 0xD9)};
const QColor kWinColor(0x00, 0x80, 0x00);
const QColor kLossColor(0xD0, 0x00, 0x00);

}  // namespace

StakesModel::StakesModel(Workspace& workspace, QObject* parent)
    : QAbstractTableModel(parent),
      m_workspace(workspace),
      m_decimalPoint(QLocale().decimalPoint()) {}

int StakesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(1, m_records);
}

int StakesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant StakesModel::data(const QModelIndex& index, int role) const {
    StakeLedger& ledger = m_workspace.stakes().ledger();
    const int row = index.row();
    // A record that is not there (the ledger is being rewritten, or the row
    // is the placeholder of an empty ledger) shows nothing rather than an
    // error box in the middle of a repaint.
    if (!index.isValid() || row >= m_records || !ledger.isOpen() || row >= ledger.RecordCount()) {
        return {};
    }
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        if (column == ProfitColumn) {
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        }
        if (column == kColumnCount - 1) {
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        }
        return QVariant(Qt::AlignCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::BackgroundRole && role != Qt::ForegroundRole &&
        role != MatchMaskRole) {
        return {};
    }
    const TStakeRec stake = ledger.ReadRecord(row);
    if (stake.isSeparator()) {
        return {};
    }
    const bool scored = stake.Checked != 0;
    switch (role) {
        case Qt::DisplayRole: {
            QString text = toQString(stakeCells(stake)[static_cast<size_t>(column)]);
            if (column == ProfitColumn && m_decimalPoint != QLatin1String(".")) {
                text.replace(QLatin1Char('.'), m_decimalPoint);
            }
            return text;
        }
        case Qt::BackgroundRole:
            if (stake.Kind >= 1 && stake.Kind <= 4) {
                return QBrush(kKindTints[stake.Kind - 1]);
            }
            return {};
        case Qt::ForegroundRole:
            if (scored && column >= MatchesColumn && column <= ProfitColumn) {
                return QBrush(stake.Profit > 0 ? kWinColor : kLossColor);
            }
            return QBrush(Qt::black);
        case MatchMaskRole: {
            if (!scored || (column != StakeColumn && column != ResultColumn)) {
                return {};
            }
            int mask = 0;
            for (int p = 0; p < 5 && p < stake.Stake.Count; ++p) {
                if (stake.Stake.Digits[static_cast<size_t>(p)] ==
                    stake.Result[static_cast<size_t>(p)]) {
                    mask |= 1 << p;
                }
            }
            return mask;
        }
        default:
            return {};
    }
}

QVariant StakesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return uiText(texts::kLedgerColumns[section]);
    }
    return {};
}

bool StakesModel::reload() {
    const int records = m_workspace.stakes().ledger().RecordCount();
    if (records == m_records) {
        // Scoring rewrites records in place: keep the selection and scroll.
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
        return false;
    }
    const bool grew = records > m_records;
    beginResetModel();
    m_records = records;
    endResetModel();
    return grew;
}

}  // namespace pentad
