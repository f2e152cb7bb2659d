// SPDX-License-Identifier: GPL-3.0-or-later
// The right tab "Статистика": the method chooser, the window length, the
// sortable statistics table whose selected rows feed the keep/delete filter
// commands, and the chart of the distribution below it. The pane shows the
// workspace's statistics page; the commands belong to the main window.
#pragma once

#include <vector>

#include <QList>
#include <QStringList>
#include <QWidget>

class QAction;
class QComboBox;
class QKeyEvent;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTableView;

namespace pentad {

class ColumnFit;
class StatChartView;
class StatModel;
class StatPage;

class StatPane : public QWidget {
    Q_OBJECT

public:
    explicit StatPane(StatPage& page, QWidget* parent = nullptr);

    QComboBox* chooser() const { return m_chooser; }
    QSpinBox* lengthField() const { return m_length; }
    QTableView* view() const { return m_view; }
    StatModel* model() const { return m_model; }
    StatChartView* chartView() const { return m_chart; }

    // Ties the buttons to their commands, fills the table's context menu and
    // routes F7 / Ctrl+F7 pressed in the table: to the keep / delete command
    // when it is enabled, else to `otherInclude` / `otherExclude`.
    void bindCommands(QAction* calc, QAction* include, QAction* exclude, QAction* otherInclude,
                      QAction* otherExclude, const QList<QAction*>& contextMenu);

    // Shows what the page holds now: chooser items and choice, length, rows
    // (kept as they are when only the selection changed), the selection, the
    // sort mark, the chart, and the norm columns when `normColumns`.
    void refresh(bool normColumns);

    // Chooser and length field take input only while the program is idle.
    void setIdle(bool idle);

    std::vector<int> columnWidths() const;
    void setColumnWidths(const std::vector<int>& widths);
    int chartHeight() const;
    void setChartHeight(int height);

signals:
    // The user picked a chooser item.
    void methodChosen(int item);
    // Enter was pressed in the length field.
    void lengthEntered();
    // The table's selection changed (already passed to the page).
    void selectionChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillChooser();
    void mirrorSelection();
    void showSelection();
    QAction* routedAction(const QKeyEvent& key) const;

    StatPage& m_page;
    StatModel* m_model;
    QComboBox* m_chooser;
    QSpinBox* m_length;
    QPushButton* m_calc;
    QTableView* m_view;
    ColumnFit* m_columns;
    StatChartView* m_chart;
    QSplitter* m_splitter;
    QPushButton* m_include;
    QPushButton* m_exclude;
    QStringList m_chooserCaptions;
    int m_pendingChartHeight = 0;  // applied once the splitter has its size
    bool m_showingSelection = false;
    struct KeyRoute {
        QAction* first = nullptr;
        QAction* second = nullptr;
    };
    KeyRoute m_includeRoute;
    KeyRoute m_excludeRoute;
};

// The norm, deviation and deviation percent columns.
inline constexpr int kNormColumns[] = {3, 4, 5};
inline constexpr int kNormColumnWidth = 80;

}  // namespace pentad
