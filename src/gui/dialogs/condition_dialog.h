// SPDX-License-Identifier: GPL-3.0-or-later
// The delete-by-condition dialog: a comparison ("Равно [ = ]" ... "Не более
// [ <= ]", modes 0..4) and a number of matches 0..5. Stakes whose match
// count satisfies the condition are deleted.
#pragma once

#include <QDialog>

class QComboBox;
class QSpinBox;

namespace pentad {

class ConditionDialog : public QDialog {
    Q_OBJECT

public:
    explicit ConditionDialog(QWidget* parent = nullptr);

    // Comparison 0 =, 1 >, 2 >=, 3 <, 4 <=.
    int mode() const;
    // Number of matches 0..5.
    int value() const;

private:
    QComboBox* m_mode;
    QSpinBox* m_value;
};

}  // namespace pentad
