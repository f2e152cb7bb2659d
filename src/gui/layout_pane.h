// SPDX-License-Identifier: GPL-3.0-or-later
// The right tab "Схема": the layout grid of the digits by count and last
// draw, with its window length and refresh; below it the five comparison
// lists, each with its own length. Selected layout cells keep or delete
// combinations by their digits. The pane owns its commands.
#pragma once

#include <array>
#include <functional>

#include <QList>
#include <QWidget>

#include "views/layout_view.h"

class QAction;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTableView;

namespace pentad {

class CommandSet;
class CompareModel;
class LayoutModel;
class LowerPartHeight;
class Workspace;
struct SheetTable;

class LayoutPane : public QWidget {
    Q_OBJECT

public:
    LayoutPane(Workspace& workspace, QWidget* parent = nullptr);

    LayoutPage& page() { return m_page; }
    QTableView* view() const { return m_view; }
    LayoutModel* model() const { return m_model; }
    QSpinBox* lengthField() const { return m_length; }
    QSpinBox* compareField(int i) const { return m_compareFields[static_cast<size_t>(i)]; }
    QTableView* compareView(int i) const { return m_compareViews[static_cast<size_t>(i)]; }
    CompareModel* compareModel(int i) const { return m_compareModels[static_cast<size_t>(i)]; }

    QList<QAction*> createCommands(CommandSet& commands,
                                   const std::function<void(const SheetTable&)>& exportSheet);

    // Rebuilds the layout and the lists as far as what they depend on changed
    // (both when forced). Failures are shown.
    void refresh(bool force);
    void invalidate() { m_page.invalidate(); }
    void repaint();
    void setIdle(bool idle);

    int compareHeight() const;
    void setCompareHeight(int height);
    // Puts the height of the comparison panel into the view settings.
    void storeHeights();

signals:
    void selectionChanged();

private:
    void refreshLayout(bool force);
    void refreshCompare(bool force);
    void showLayout();
    void showLists();

    Workspace& m_workspace;
    LayoutPage m_page;
    LayoutModel* m_model;
    QTableView* m_view;
    QSpinBox* m_length;
    QPushButton* m_calc;
    QPushButton* m_compareCalc;
    QPushButton* m_include;
    QPushButton* m_exclude;
    QSplitter* m_splitter;
    std::array<QSpinBox*, kCompareLists> m_compareFields{};
    std::array<QTableView*, kCompareLists> m_compareViews{};
    std::array<CompareModel*, kCompareLists> m_compareModels{};
    QAction* m_calcAction = nullptr;
    QAction* m_compareAction = nullptr;
    LowerPartHeight* m_compareHeight;
};

}  // namespace pentad
