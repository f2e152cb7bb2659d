// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces the analysis tabs share: the length fields that act on Enter, the
// selected blocks of a grid handed to the core, the grids themselves, and the
// keep / delete command pair every view adds for its selection.
#pragma once

#include <functional>
#include <vector>

#include <QObject>

#include "views/view_filter.h"

class QAction;
class QAbstractItemModel;
class QItemSelectionModel;
class QLabel;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTableView;
class QWidget;

namespace pentad {

class CommandSet;
class Workspace;

// An integer field from 1 up named `name` that shows `*target` and keeps it,
// and the view setting `*setting` (when given), up to date as the value is
// typed; `entered` runs when Enter is pressed in it.
QSpinBox* makeLengthField(const char* name, int* target, int* setting, QWidget* parent,
                          std::function<void()> entered);
// The caption "Тиражей:" of a length field.
QLabel* makeLengthLabel(QSpinBox* field, QWidget* parent);
// A push button named `name`; its caption comes from the command bound to it.
QPushButton* makeButton(const char* name, QWidget* parent);
// Runs `work` when the command `*action` exists and is enabled (Enter in a
// field acts like the button beside it).
std::function<void()> whenEnabled(QAction* const* action, std::function<void()> work);

// A grid of cells: several cells selectable, read-only, fixed row height.
QTableView* makeGridView(const char* name, QAbstractItemModel* model, QWidget* parent);

// A separator for a list of actions (a context menu); one with a caption
// heads a section of a menu.
QAction* makeSeparator(QObject* parent, const char* caption = nullptr);

// The selection as blocks of model rows and columns.
std::vector<CellRange> selectionRanges(const QItemSelectionModel& selection);

// The height of the lower part of a vertical splitter of two parts. A height
// set before the splitter has its size is applied once it has.
class LowerPartHeight : public QObject {
public:
    explicit LowerPartHeight(QSplitter* splitter);

    int height() const;
    void setHeight(int height);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSplitter* m_splitter;
    int m_pending = 0;
};

struct ViewFilterCommands {
    QAction* include = nullptr;
    QAction* exclude = nullptr;
};

// Adds `includeName` / `excludeName` ("CardFilter_Include", ...): enabled
// while the combination list is not empty and `enabled` holds; they cut the
// list by `values()` with `caption` (the tab's caption) in the applied
// filters.
ViewFilterCommands addViewFilterCommands(CommandSet& commands, Workspace& workspace,
                                         const char* includeName, const char* excludeName,
                                         const char* caption, std::function<bool()> enabled,
                                         std::function<ViewValues()> values);

}  // namespace pentad
