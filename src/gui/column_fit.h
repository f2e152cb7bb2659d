// SPDX-License-Identifier: GPL-3.0-or-later
// Column widths that follow the contents of a list: whenever the list is
// filled, every column the user has not sized himself becomes as wide as its
// widest text (never narrower than designed), so no number is cut short.
// A column the user drags keeps his width, and that width is what the
// layout file keeps; the other columns are saved at their designed width.
#pragma once

#include <vector>

#include <QObject>

class QTableView;

namespace pentad {

class ColumnFit : public QObject {
    Q_OBJECT

public:
    // Follows `view` from now on, its current widths taken as the designed
    // ones. Installing twice returns the first.
    static ColumnFit* install(QTableView& view);
    // The fit installed on `view`, or nullptr.
    static ColumnFit* of(const QTableView& view);

    // Widths read from the layout file: one that differs from its column's
    // designed width is the user's and is applied; 0 or a missing entry
    // leaves the column to its contents. Fits the other columns.
    void applySaved(const std::vector<int>& widths);
    // What the layout file keeps: the user's width, else the designed one.
    std::vector<int> widthsToSave() const;

    // Sizes every column the user has not sized to its contents.
    void fit();

    bool userSized(int column) const;

private:
    explicit ColumnFit(QTableView& view);
    void sectionResized(int column, int oldSize, int newSize);
    // Width of the widest text of the column, its header included.
    int contentWidth(int column) const;

    QTableView& m_view;
    std::vector<int> m_designed;
    std::vector<bool> m_user;
    bool m_fitting = false;
};

}  // namespace pentad
