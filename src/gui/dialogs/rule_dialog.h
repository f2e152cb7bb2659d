// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog that adds a regular stake rule: its comment, whether it walks
// from its own start combination or from the previous draw, the step and
// the start combination. The start can be typed only when exactly one
// combination was selected and the constant start is chosen.
#pragma once

#include <QDialog>

#include "stakes/regular_stakes.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace pentad {

class Shell;

class RuleDialog : public QDialog {
    Q_OBJECT

public:
    // `rule` prefills the fields; `rules` are the rules already in the list
    // (their comments may not be used again); `selectedCount` is how many
    // combinations are selected in the combination list.
    RuleDialog(Shell& shell, const TTableRec& rule, const TTableArray& rules, int selectedCount,
               QWidget* parent = nullptr);

    // The rule as confirmed; valid once the dialog was accepted.
    const TTableRec& rule() const { return m_rule; }

    // OK: refuses a start that is not five numbers 0..9 (when it can be
    // typed), an empty comment and a comment already in use.
    void accept() override;

private:
    bool startEditable() const;
    void updateStartField();

    Shell& m_shell;
    TTableRec m_rule;
    const TTableArray& m_rules;
    int m_selectedCount;
    QLineEdit* m_comment;
    QRadioButton* m_constant;
    QRadioButton* m_fromDraw;
    QSpinBox* m_step;
    QLineEdit* m_start;
    QString m_startText;  // what the start field held while it could be typed
    bool m_startShown = false;
};

}  // namespace pentad
