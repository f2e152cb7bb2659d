// SPDX-License-Identifier: GPL-3.0-or-later
// The left tab "Архив тиражей": the draw list, the buttons under it and the
// analysis offset field "Смещение назад:". The pane shows the archive; the
// commands it offers belong to the main window.
#pragma once

#include <vector>

#include <QList>
#include <QWidget>

class QAction;
class QFontMetrics;
class QPushButton;
class QSpinBox;
class QTableView;
class QTimer;

namespace pentad {

class DrawsModel;
class Workspace;

class DrawsPane : public QWidget {
    Q_OBJECT

public:
    explicit DrawsPane(const Workspace& workspace, QWidget* parent = nullptr);

    QTableView* view() const { return m_view; }
    DrawsModel* model() const { return m_model; }
    QSpinBox* offsetField() const { return m_offset; }

    // Ties the buttons to their commands and fills the list's context menu.
    void bindCommands(QAction* add, QAction* del, const QList<QAction*>& contextMenu);
    // Ties the button "Загрузка" to the download command.
    void bindDownload(QAction* download);

    // List row with the focus, or -1.
    int currentRow() const;
    // Selected list rows, ascending.
    std::vector<int> selectedRows() const;

    // Redraws after a command: `rowsChanged` when draws were added or removed
    // (the selection is cleared then, except after an edit in place).
    void refresh(bool rowsChanged);

    // The offset field takes input only while the program is idle.
    void setIdle(bool idle);

signals:
    // The user changed the offset field (a typed number once complete).
    void offsetEdited(int value);
    // Focus or selection of the list changed.
    void selectionChanged();
    // A row was double-clicked.
    void rowActivated();

private:
    const Workspace& m_workspace;
    DrawsModel* m_model;
    QTableView* m_view;
    QSpinBox* m_offset;
    QTimer* m_typingPause;
    QPushButton* m_download;
    QPushButton* m_add;
    QPushButton* m_delete;
};

// Default widths of the draw list's columns for the list's font.
std::vector<int> defaultDrawColumnWidths(const QFontMetrics& metrics);

}  // namespace pentad
