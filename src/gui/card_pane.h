// SPDX-License-Identifier: GPL-3.0-or-later
// The right tab "Карта": the whole archive as a grid of draws against the
// ten digits, painted from the card on demand, whose selected cells keep or
// delete combinations by their digits. The pane owns its commands: the two
// filters, the spreadsheet export and the two colour options.
#pragma once

#include <functional>

#include <QList>
#include <QWidget>

#include "views/draw_card.h"

class QAction;
class QPushButton;
class QTableView;

namespace pentad {

class CardModel;
class CommandSet;
class Workspace;
struct SheetTable;

class CardPane : public QWidget {
    Q_OBJECT

public:
    CardPane(Workspace& workspace, QWidget* parent = nullptr);

    QTableView* view() const { return m_view; }
    CardModel* model() const { return m_model; }
    const DrawCard& card() const { return m_card; }

    // Adds the commands of the card and returns those of its menu.
    QList<QAction*> createCommands(CommandSet& commands,
                                   const std::function<void(const SheetTable&)>& exportSheet);

    // Rebuilds the card when forced, when the archive was changed in place
    // (see invalidate) or when its number of draws changed.
    void refresh(bool force);
    void invalidate() { m_dirty = true; }
    // The colour options or the channel size changed.
    void repaint();

    // True when cells are selected and all lie in the digit columns.
    bool selectionInDigits() const;

signals:
    void selectionChanged();

private:
    Workspace& m_workspace;
    DrawCard m_card;
    CardOptions m_options;
    CardModel* m_model;
    QTableView* m_view;
    QPushButton* m_include;
    QPushButton* m_exclude;
    bool m_dirty = true;
};

}  // namespace pentad
