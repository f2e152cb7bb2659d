// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Менеджер избранных методов расчета статистики": a tree of the
// statistic methods by group where the user ticks the favourites, renames
// methods, exchanges the names through files and picks how the choosers
// show the captions. Only OK writes ticks, names and options to the list.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace pentad {

class Shell;
class TStatList;

class FavouritesDialog : public QDialog {
    Q_OBJECT

public:
    // Asks for a names file to read or to write; empty when cancelled.
    using FileChooser = std::function<QString()>;

    // `favouritesPath` is the program's own favourites file, from which the
    // own captions are read back after an export.
    FavouritesDialog(Shell& shell, TStatList& list, std::string favouritesPath,
                     FileChooser chooseImport, FileChooser chooseExport, QWidget* parent = nullptr);

    QTreeWidget* tree() const { return m_tree; }

    // Ticks become the favourites (none ticked: all of them), changed
    // captions the own captions, and the three display options are taken.
    void accept() override;

protected:
    // Space toggles the tick of the current method node.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Rebuilds the tree from the list; `ticks` (per entry) replaces the
    // list's favourites when given.
    void fillTree(const std::vector<int>* ticks);
    std::vector<QTreeWidgetItem*> methodNodes() const;
    QTreeWidgetItem* selectedNode() const;
    QTreeWidgetItem* selectedMethod() const;
    QTreeWidgetItem* selectedGroup() const;
    void setTicks(const std::vector<QTreeWidgetItem*>& nodes, bool ticked);
    void toggle(QTreeWidgetItem* node);
    void updateButtons();
    // Node captions to the entries' own captions (ticks are not applied).
    void applyCaptions();

    void rename();
    void resetName();
    void showInfo();
    void importNames();
    void exportNames();

    Shell& m_shell;
    TStatList& m_list;
    std::string m_favouritesPath;
    FileChooser m_chooseImport;
    FileChooser m_chooseExport;

    QTreeWidget* m_tree;
    QLabel* m_total;
    QPushButton* m_checkAll;
    QPushButton* m_checkNone;
    QPushButton* m_groupAll;
    QPushButton* m_groupNone;
    QPushButton* m_rename;
    QPushButton* m_resetName;
    QPushButton* m_info;
    QCheckBox* m_ordered;
    QCheckBox* m_showGroupName;
    QCheckBox* m_showMethodFlags;
};

}  // namespace pentad
