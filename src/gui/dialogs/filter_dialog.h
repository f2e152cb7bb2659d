// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog "Фильтр" that edits one filter item: the statistic and its
// lengths, the sort column and walk direction, keep or delete, the level
// mode with its values, the weight coefficients of the weight modes, and the
// stop mode. It refuses to close on an item that cannot be applied.
#pragma once

#include <vector>

#include <QDialog>

#include "filters/filter_item.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace pentad {

class Shell;
class StatPage;
class TStatList;

class FilterDialog : public QDialog {
    Q_OBJECT

public:
    // The statistic choice offers the methods of the statistics page's
    // chooser with its current choice and length; an active `item` is then
    // loaded over them. Error boxes go through `shell`.
    FilterDialog(Shell& shell, const TStatList& list, const StatPage& page, const TFilterItem& item,
                 QWidget* parent = nullptr);

    // The item as confirmed; valid once the dialog was accepted.
    const TFilterItem& item() const { return m_item; }

    // OK: the first failed check shows its message, focuses its field and
    // keeps the dialog open.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void load(const TFilterItem& item);
    TFilterItem itemFromControls() const;
    // The override box serves the weight level modes; the coefficients
    // serve a ticked override box.
    void updateEnabling();

    Shell& m_shell;
    const TStatList& m_list;
    std::vector<int> m_entries;  // list entry per statistic choice
    TFilterItem m_item;

    QComboBox* m_method;
    QLineEdit* m_drawsLen;
    QComboBox* m_sortOrder;
    QRadioButton* m_topDown;
    QRadioButton* m_bottomUp;
    QCheckBox* m_multiSelect;
    QRadioButton* m_keep;
    QRadioButton* m_delete;
    QComboBox* m_levelMode;
    QLineEdit* m_levelValue;
    QCheckBox* m_override;
    QDoubleSpinBox* m_coefCount;
    QDoubleSpinBox* m_coefDeviation;
    QDoubleSpinBox* m_coefLevel;
    QCheckBox* m_coefPercents;
    QCheckBox* m_coefAbs;
    QComboBox* m_stopMode;
    QSpinBox* m_stopValue;
};

// True for the characters the value-list fields take from the keyboard:
// control characters, digits, ",", "-" and ";".
bool isValueListKey(const QString& text);

}  // namespace pentad
